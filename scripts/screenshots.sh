#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the home page for review: the real program (no device here) and the demo with
# its emulated devices, in the Black and Light themes, on a private X server with a tray host and
# temporary HOME and XDG folders.
#   scripts/screenshots.sh [build folder, default build] [output folder, default screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-screenshots}
mkdir -p "$out"
for tool in Xvfb xauth xdotool trayer import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done
. scripts/xsession.sh
x_start_server 1600x1000
x_start_tray
export QT_QPA_PLATFORM=xcb

shoot() {
  local program=$1 name=$2 theme=$3 themeName=$4 app main
  x_new_home
  # The theme is chosen before the first start, as the settings dialog would store it.
  local config="$XDG_DATA_HOME/$name/UserConfig"
  mkdir -p "$config"
  printf '[Theme]\nselectThemeIndex=%s\n[AutoStart]\nisAutoStart=false\n' "$theme" >"$config/BrivexConfig.ini"
  "$build/bin/$program" >/dev/null 2>&1 &
  app=$!
  x_pids+=("$app")
  main=$(x_wait_window "$app" ZELKA 60) || { echo "$program showed no window" >&2; return 1; }
  sleep 2
  import -window "$main" "$out/home-$name-$themeName.png"
  kill "$app"
  wait "$app" 2>/dev/null || true
  echo "$out/home-$name-$themeName.png"
}

for theme in 0:Black 1:Light; do
  shoot zelka zelka "${theme%%:*}" "${theme##*:}"
  shoot zelka-demo zelka-demo "${theme%%:*}" "${theme##*:}"
done
