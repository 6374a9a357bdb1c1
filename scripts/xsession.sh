# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the acceptance test and the screenshot script: a private X server (Xvfb) with a
# cookie, an optional tray host (trayer), temporary HOME and XDG folders, and cleanup of exactly
# the processes started here (by process id).

x_pids=()
x_tmp=$(mktemp -d "${TMPDIR:-/tmp}/zelka-x.XXXXXX")

x_cleanup() {
  local pid
  for pid in "${x_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${x_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  x_pids=()
  rm -rf "$x_tmp"
}
trap x_cleanup EXIT

# A fresh home for every program run in the session.
x_new_home() {
  local home
  home=$(mktemp -d "$x_tmp/home.XXXXXX")
  mkdir -p "$home/home" "$home/data" "$home/config" "$home/runtime" "$home/cache"
  chmod 700 "$home/runtime"
  export HOME="$home/home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
  export XDG_RUNTIME_DIR="$home/runtime" XDG_CACHE_HOME="$home/cache"
}

# x_start_server WIDTHxHEIGHT: starts Xvfb on the first free display and exports DISPLAY.
x_start_server() {
  local size=${1:-1600x1000} n pid
  export XAUTHORITY="$x_tmp/Xauthority"
  for n in $(seq 91 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    xauth -f "$XAUTHORITY" add ":$n" . "$(mcookie)" 2>/dev/null
    # -noreset: without it the server starts over each time its last client leaves (the probe
    # below, a tool between two steps), and a program connecting in that moment is refused.
    Xvfb ":$n" -auth "$XAUTHORITY" -screen 0 "${size}x24" -nolisten tcp -noreset >"$x_tmp/xvfb.log" 2>&1 &
    pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      if xdpyinfo >/dev/null 2>&1 || xdotool getdisplaygeometry >/dev/null 2>&1; then
        x_pids+=("$pid")
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  echo "no X server could be started" >&2
  return 1
}

# A tray host in the top right corner.
x_start_tray() {
  trayer --edge top --align right --widthtype request --height 24 --SetDockType true >"$x_tmp/trayer.log" 2>&1 &
  x_pids+=("$!")
  sleep 1
}

# x_wait_window PID NAME [SECONDS]: prints the id of the visible window of the process with that name.
x_wait_window() {
  local pid=$1 name=$2 seconds=${3:-30} w
  for _ in $(seq $((seconds * 10))); do
    w=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$name\$" 2>/dev/null | head -n1)
    if [ -n "$w" ]; then
      echo "$w"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# x_window_geometry WINDOW: sets X Y W H.
x_window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  X=$X Y=$Y W=$WIDTH H=$HEIGHT
}

# x_close_update_window PID: on a first run the demo's newer firmware images bring the update
# window over the main window about 1300 ms after start-up; it keeps the main window from clicks
# until its close button (right of its title) is pressed. Returns 1 when it stays open.
x_close_update_window() {
  local pid=$1 update
  update=$(x_wait_window "$pid" DUpdateFirmwareDia 10) || return 0
  x_window_geometry "$update"
  xdotool mousemove $((X + W - 23)) $((Y + 23)) click 1
  for _ in $(seq 50); do
    xdotool search --all --onlyvisible --pid "$pid" --name '^DUpdateFirmwareDia$' >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# x_require_tools TOOL...: a test that needs these exits 77 (skipped) without one of them, and
# fails under CI (CI set), where scripts/install-deps.sh has installed them all.
x_require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null && continue
    if [ -n "${CI:-}" ]; then
      echo "FAIL: $tool is not installed, and CI must run this test (scripts/install-deps.sh)"
      exit 1
    fi
    echo "SKIP: $tool is not installed (scripts/install-deps.sh)"
    exit 77
  done
}
