#!/usr/bin/env bash
# Runs the input hook benchmark on a private Xvfb.
#   run-input-hook-bench.sh <bench_input_hook> [benchmark options...]
set -uo pipefail
bench=$1
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/xsession.sh
. "$root/scripts/xsession.sh"
x_start_server 1024x768 || { echo "no Xvfb" >&2; exit 1; }
"$bench" "$@"
