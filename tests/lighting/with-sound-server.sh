#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test beside a private PulseAudio server with one null sink, "zelka_test", in the test's
# own XDG_RUNTIME_DIR (tests/run-isolated.sh makes it). The server's PID and its command line
# are exported for the test, which may stop and start it; the server is stopped by PID at the
# end. Without a server: "SKIP: ..." and ctest's skip code, or a failure under CI.
set -u
skip() {
  echo "SKIP: no sound server could be started: $1"
  [ -n "${CI:-}" ] && exit 1
  exit 77
}
command -v pulseaudio >/dev/null 2>&1 || skip "pulseaudio is not installed"
command -v pactl >/dev/null 2>&1 || skip "pactl is not installed"
command -v pacat >/dev/null 2>&1 || skip "pacat is not installed"
[ -n "${XDG_RUNTIME_DIR:-}" ] || skip "XDG_RUNTIME_DIR is not set"
unset PULSE_SERVER

args=(-n --daemonize=no --exit-idle-time=-1 -L module-native-protocol-unix -L "module-null-sink sink_name=zelka_test")
log="$XDG_RUNTIME_DIR/pulseaudio.log"
pulseaudio "${args[@]}" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT

for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  kill -0 "$pid" 2>/dev/null || skip "pulseaudio exited: $(tail -n 2 "$log" | tr '\n' ' ')"
  sleep 0.1
done
pactl info >/dev/null 2>&1 || skip "pactl info got no answer within 5 s"

export ZELKA_SOUND_SERVER_PID="$pid"
ZELKA_SOUND_SERVER_COMMAND="$(printf '%q ' pulseaudio "${args[@]}")"
export ZELKA_SOUND_SERVER_COMMAND
"$@"
