#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a benchmark on a private Xvfb with a home folder of its own, and tells it the X server's
# process id (ZELKA_BENCH_X_SERVER_PID) for benchmarks that measure the server too.
#   run-on-xvfb.sh <benchmark> [benchmark options...]
set -uo pipefail
bench=$1
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/xsession.sh
. "$root/scripts/xsession.sh"
x_start_server 1024x768 || { echo "no Xvfb" >&2; exit 1; }
x_new_home
ZELKA_BENCH_X_SERVER_PID=${x_pids[0]} QT_QPA_PLATFORM=xcb "$bench" "$@"
