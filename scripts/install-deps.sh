#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build and the tests need from Debian's packages.
# A quick no-op when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache clang-format
  libtsan2 clang libclang-rt-14-dev
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev
  libtinyxml-dev libhidapi-dev libudev-dev libcjson-dev
  libx11-dev libxtst-dev
  libpulse-dev libfftw3-dev qtmultimedia5-dev pulseaudio pulseaudio-utils
  libbenchmark-dev
  fonts-wqy-microhei fonts-font-awesome
  xvfb xauth xdotool trayer imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
