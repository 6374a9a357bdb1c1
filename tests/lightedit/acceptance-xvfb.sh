#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lighting editor on a real X server (Xvfb), driven with xdotool: a click on the disc picks
# red through the real screen grab, a drag on the ring darkens it, a click on the brightness
# slider and OK reach the profile, a row is renamed with a double click, a typed name and Save,
# and Save on the prompt leaves no mask. (Escape is covered by the unit tests: without a window
# manager the frameless prompt gets no keyboard.)
#   acceptance-xvfb.sh <zelka-lightedit-acceptance>
# Exits 77 (skipped) when a tool is missing here; under CI that is a failure.
set -uo pipefail
program=$1
root=$(cd "$(dirname "$0")/../.." && pwd)

missing() {
  if [ -n "${CI:-}" ]; then
    echo "FAIL: $*"
    exit 1
  fi
  echo "SKIP: $*"
  exit 77
}
for tool in Xvfb xauth mcookie xdotool python3; do
  command -v "$tool" >/dev/null || missing "$tool is not installed (scripts/install-deps.sh)"
done
# shellcheck source=../../scripts/xsession.sh
. "$root/scripts/xsession.sh"

fail() {
  echo "FAIL: $*"
  [ -n "${out:-}" ] && [ -f "$out" ] && sed 's/^/  | /' "$out"
  exit 1
}

x_start_server 1000x800 || missing "Xvfb did not start"
x_new_home
export QT_QPA_PLATFORM=xcb

# wait_line FILE PATTERN [SECONDS]: the last line of FILE that matches, once there is one.
wait_line() {
  local file=$1 pattern=$2 seconds=${3:-20} line
  for _ in $(seq $((seconds * 10))); do
    line=$(grep -E "$pattern" "$file" | tail -n 1)
    if [ -n "$line" ]; then
      echo "$line"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds.
wait_until() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# point NAME: sets PX PY from the program's "point NAME x y" line.
point() {
  local line
  line=$(wait_line "$out" "^point $1 ") || fail "no point $1"
  read -r _ _ PX PY <<<"$line"
}

# attr XPATH NAME: an attribute of the profile file's first element at XPATH.
attr() {
  python3 - "$profile" "$1" "$2" <<'PY'
import sys, xml.etree.ElementTree as ET
e = ET.parse(sys.argv[1]).getroot().find(sys.argv[2])
print("" if e is None else e.get(sys.argv[3], ""))
PY
}

# count PATTERN: how many lines of the output match.
count() { grep -cE "$1" "$out"; }

start() {
  out="$x_tmp/run$1.out"
  : >"$out"
  "$program" 0 "${@:2}" >"$out" 2>"$x_tmp/run$1.err" &
  app=$!
  x_pids+=("$app")
  win=$(x_wait_window "$app" LightEditAcceptance 30) || fail "no window"
  wait_line "$out" '^ready$' 20 >/dev/null || fail "the program did not get ready"
  profile=$(wait_line "$out" '^profile ' | cut -d' ' -f2-)
  [ -f "$profile" ] || fail "no profile file"
}

passed=0
ok() {
  echo "ok: $*"
  passed=$((passed + 1))
}

start 1
item='config[@index="1"]/light0/item[@ledType="2"]'

# A click near the top of the disc: red, read from the screen; stored at the release.
point disc-top
xdotool mousemove "$PX" "$PY" click 1
line=$(wait_line "$out" '^signal sigLightConfigHaveChanged 0 0 colour') || fail "no report of the pick"
read -r _ _ _ _ _ r g b _ <<<"$line"
[ "$r" -ge 230 ] && [ "$g" -le 30 ] && [ "$b" -le 30 ] || fail "picked $r $g $b, not red"
[ "$(attr "$item" ledModeR)" = "$r" ] && [ "$(attr "$item" ledModeG)" = "$g" ] || fail "the profile does not hold the pick"
ok "disc pick: red ($r, $g, $b) in the fields' report and in the profile"

# A drag on the ring from its bottom (50) to its left (25) darkens the pick to about three quarters.
reports=$(count '^signal sigLightConfigHaveChanged 0 0')
point ring-bottom
bx=$PX by=$PY
point ring-left
xdotool mousemove "$bx" "$by" mousedown 1
sleep 0.3
xdotool mousemove "$((bx - 40))" "$((by - 30))"
sleep 0.3
xdotool mousemove "$PX" "$PY"
sleep 0.3
xdotool mouseup 1
reported() { [ "$(count '^signal sigLightConfigHaveChanged 0 0')" -gt "$reports" ]; }
wait_until 20 reported || fail "the drag did not report"
sleep 0.5 # time for a second report, which must not come
[ "$(count '^signal sigLightConfigHaveChanged 0 0')" -eq $((reports + 1)) ] || fail "the drag did not report once"
line=$(grep -E '^signal sigLightConfigHaveChanged 0 0 colour' "$out" | tail -n 1)
read -r _ _ _ _ _ dark _ <<<"$line"
[ "$dark" -lt "$r" ] && [ "$dark" -ge 150 ] && [ "$dark" -le 215 ] || fail "the ring gave red $dark"
[ "$(attr "$item" ledModeR)" = "$dark" ] || fail "the profile does not hold the darker red"
ok "ring drag: red $r darkened to $dark, one report, in the profile"

# The brightness slider, left of its handle: one step down.
before=$(attr "$item" ledBrightness)
point brightness-low
xdotool mousemove "$PX" "$PY" click 1
changed() { [ "$(attr "$item" ledBrightness)" != "$before" ]; }
wait_until 20 changed || fail "brightness $before did not change"
after=$(attr "$item" ledBrightness)
[ "$after" -eq $((before - 1)) ] || fail "brightness $before became $after"
ok "brightness slider: $before to $after in the profile"

point ok
xdotool mousemove "$PX" "$PY" click 1
wait_line "$out" '^signal sigSetLightEffectSuccessful' >/dev/null || fail "OK did not succeed"
[ "$(attr 'config[@index="1"]/light0' usingIndex)" = "2" ] || fail "Wave is not the effect in use"
ok "OK: sent and marked as the effect in use"

# Rename the first row: double click, click into the editor, type, Save.
point row1
xdotool mousemove "$PX" "$PY" click --repeat 2 --delay 60 1
point row1-save
sx=$PX sy=$PY
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool mousemove "$((sx - 90))" "$sy" click 1
sleep 0.2
xdotool key ctrl+a
xdotool type --delay 30 "Dusk"
sleep 0.2
xdotool mousemove "$sx" "$sy" click 1
wait_line "$out" '^signal row1 sigModifyCustomLightItemNameSuccess' >/dev/null || fail "no rename"
[ "$(attr 'config[@index="1"]/customLight/customLed[@index="1"]' name)" = "Dusk" ] || fail "the name is not in the file"
[ "$(attr 'config[@index="1"]/customLight/customLed[@index="2"]' name)" = "Ocean" ] || fail "the other row changed"
ok "row rename: Dusk in the profile"
kill "$app"
wait "$app" 2>/dev/null

# The prompt over its mask: Save gives 1 and the mask is gone.
start 2 --prompt
point prompt-save
xdotool mousemove "$PX" "$PY" click 1
line=$(wait_line "$out" '^prompt result') || fail "the prompt did not close"
[ "$line" = "prompt result 1 mask hidden" ] || fail "$line"
[ "$(count '^signal sigTipInfoDiaClose$')" -eq 1 ] || fail "close signal not once"
ok "prompt: Save gives 1, one close signal, no mask"
kill "$app"
wait "$app" 2>/dev/null

echo "$passed passed, 0 failed"
