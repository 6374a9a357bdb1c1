#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test of the X11 input hook (the hook itself, or key entry through it) on a private Xvfb.
#   input-hook-xvfb.sh <test binary> [test function...]
# Exit 77 (skipped) when Xvfb or xdotool is missing; under CI that is a failure.
set -uo pipefail
test_binary=$1
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
for tool in Xvfb xauth xdotool; do
  if ! command -v "$tool" >/dev/null; then
    if [ -n "${CI:-}" ]; then
      echo "FAIL: $tool is not installed (scripts/install-deps.sh)"
      exit 1
    fi
    echo "SKIP: $tool is not installed (scripts/install-deps.sh)"
    exit 77
  fi
done
# shellcheck source=../../scripts/xsession.sh
. "$root/scripts/xsession.sh"

x_start_server 1024x768 || { echo "FAIL: Xvfb did not start"; exit 1; }
x_new_home
export QT_QPA_PLATFORM=xcb
"$test_binary" "$@"
