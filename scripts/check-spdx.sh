#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a tracked C++ file, CMake file or script lacks the licence line (the first line, or
# the second after a "#!" line).
set -euo pipefail
cd "$(dirname "$0")/.."
missing=0
while IFS= read -r -d '' f; do
  if ! head -n 2 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "no SPDX licence line: $f"
    missing=1
  fi
done < <(git ls-files -z '*.cpp' '*.h' '*.c' 'CMakeLists.txt' '*/CMakeLists.txt' '*.cmake' '*.sh' '*.py' .ci/run)
exit $missing
