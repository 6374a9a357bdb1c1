#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the home page for review: the real program (no device here) and the demo with
# its emulated devices, in the Black and Light themes, on a private X server with a tray host and
# temporary HOME and XDG folders. Then the lighting editor's test program: the settings panel with
# two custom-light rows, and the save prompt over its mask, in both themes, and the panel in Black
# at a scale factor of 2.
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

# shoot_editor THEME NAME SCALE [--prompt]: the lighting editor's window as the screen shows it
# (the prompt is a window of its own over it).
shoot_editor() {
  local theme=$1 themeName=$2 scale=$3 mode=${4:-} app win file log
  x_new_home
  log=$(mktemp "$x_tmp/editor.XXXXXX")
  QT_SCALE_FACTOR=$scale "$build/tests/zelka-lightedit-acceptance" "$theme" $mode >"$log" 2>/dev/null &
  app=$!
  x_pids+=("$app")
  win=$(x_wait_window "$app" LightEditAcceptance 30) || { echo "the lighting editor showed no window" >&2; return 1; }
  for _ in $(seq 100); do
    grep -q '^ready$' "$log" && break
    sleep 0.1
  done
  sleep 1
  x_window_geometry "$win"
  file="$out/lightedit-$themeName${mode:+-prompt}$([ "$scale" = 1 ] || echo "-x$scale").png"
  import -window root -crop "${W}x${H}+${X}+${Y}" +repage "$file"
  kill "$app"
  wait "$app" 2>/dev/null || true
  echo "$file"
}

for theme in 0:Black 1:Light; do
  shoot_editor "${theme%%:*}" "${theme##*:}" 1
  shoot_editor "${theme%%:*}" "${theme##*:}" 1 --prompt
done
# Twice the size needs a taller screen.
x_start_server 1200x1400
shoot_editor 0 Black 2
