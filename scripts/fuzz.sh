#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Longer random searches with the fuzz targets of tests/fuzz, under AddressSanitizer and UBSan.
#   scripts/fuzz.sh [seconds per target, default 180] [target...]
# Builds build-fuzz with clang, then runs each target (all of them unless named) for the given
# time from a random seed, on its corpus. New inputs go to build-fuzz/fuzz-found/<target>, never
# into the corpus; a crash is written to build-fuzz/fuzz-crashes/<target>/. A crash found here is
# fixed, and its input added to tests/fuzz/corpus/<target>/, where CI runs it from then on.
# Prints the executions each target reached and what it found.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-180}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_XmlProfile fuzz_XmlMacroLibrary fuzz_ReportDescriptor fuzz_LinkReport)

scripts/install-deps.sh
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DZELKA_SANITIZE=ON -DZELKA_FUZZ=ON -DZELKA_GUI=OFF \
  -DZELKA_BENCH=OFF || exit 1

status=0
summary=()
for target in "${targets[@]}"; do
  found="build-fuzz/fuzz-found/$target"
  crashes="build-fuzz/fuzz-crashes/$target"
  log="build-fuzz/fuzz-logs/$target.log"
  mkdir -p "$found" "$crashes" "$(dirname "$log")"
  echo "== $target: $seconds s"
  tests/run-isolated.sh "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$found" "tests/fuzz/corpus/$target" >"$log" 2>&1
  code=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$')
  if [ "$code" -eq 0 ]; then
    summary+=("$target: ${runs:-?} executions, nothing found")
  else
    status=1
    summary+=("$target: ${runs:-?} executions, exit $code: $(ls "$crashes" | tr '\n' ' ')(see $log)")
  fi
done
printf '%s\n' "${summary[@]}"
exit "$status"
