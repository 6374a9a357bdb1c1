#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Acceptance on a real X server: in the emulator-linked program, the Macro page, Add, Record,
# "hello" typed, Record again: the macro library holds the ten events of the five keys.
#   macro-record-acceptance-xvfb.sh <zelka-demo>
set -uo pipefail
demo=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/xsession.sh
. "$root/scripts/xsession.sh"
x_require_tools Xvfb xauth xdotool

fail() { echo "FAIL: $*"; exit 1; }

x_start_server 1600x1000 || fail "Xvfb"
x_new_home
export QT_QPA_PLATFORM=xcb

"$demo" >"$x_tmp/demo.out" 2>"$x_tmp/demo.err" &
app=$!
x_pids+=("$app")

main=$(x_wait_window "$app" ZELKA 60) || fail "main window not shown"
x_close_update_window "$app" || fail "the firmware update window stayed open"
sleep 1
x_window_geometry "$main"
# Places in the window at its start-up size (1280 x 715): the title bar's MACRO button, the macro
# list's Add button, the Record button.
[ "$W" -eq 1280 ] && [ "$H" -eq 715 ] || fail "unexpected window size ${W}x${H}"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 1; }
click 501 22
click 341 71
click 200 649
xdotool mousemove $((X + 700)) $((Y + 400))
xdotool type --delay 60 hello
sleep 1
click 200 649

library=$(find "$XDG_DATA_HOME" -name brivexMacro.xml | head -n 1)
[ -n "$library" ] || fail "no macro library"
events=$(grep -c '<item ' "$library")
[ "$events" -eq 10 ] || fail "$events events in the library, not 10"
codes=$(grep -o 'keyCode="[0-9-]*"' "$library" | tr -dc '0-9\n' | paste -sd ' ')
[ "$codes" = "11 11 8 8 15 15 15 15 18 18" ] || fail "key codes: $codes"
directions=$(grep -o 'operateExplain="[a-z]*"' "$library" | sed 's/.*="//; s/"//' | paste -sd ' ')
[ "$directions" = "down up down up down up down up down up" ] || fail "directions: $directions"
marks=$(grep -o 'mark="[0-9a-f]*"' "$library" | uniq | wc -l)
[ "$marks" -eq 5 ] || fail "$marks marks, not one per key"
echo "recorded hello: ten events, usages 11 8 15 15 18 as down/up pairs"
