#!/usr/bin/env bash
# The colour wheel's screen pick on a real X server (Xvfb), at scale factors 1 and 2.
#   screen-pick-xvfb.sh <tst_ScreenPixelPick>
# Exits 77 (skipped) when no X server can be had here; under CI that is a failure.
set -uo pipefail
test_bin=$1
root=$(cd "$(dirname "$0")/../.." && pwd)

missing() {
  if [ -n "${CI:-}" ]; then
    echo "FAIL: $*"
    exit 1
  fi
  echo "SKIP: $*"
  exit 77
}

for tool in Xvfb xauth mcookie; do
  command -v "$tool" >/dev/null || missing "$tool is not installed (scripts/install-deps.sh)"
done
# shellcheck source=../../scripts/xsession.sh
. "$root/scripts/xsession.sh"

x_start_server 800x600 || missing "Xvfb did not start"
x_new_home
export QT_QPA_PLATFORM=xcb

status=0
for scale in 1 2; do
  echo "scale factor $scale"
  QT_SCALE_FACTOR=$scale "$test_bin" || status=1
done
exit $status
