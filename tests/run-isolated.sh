#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test executable in its own temporary HOME and XDG folders, offscreen,
# so no test reads or writes the real home and tests can run in parallel.
set -u
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zelka-test.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/home" "$tmp/data" "$tmp/config" "$tmp/runtime" "$tmp/cache"
chmod 700 "$tmp/runtime"
export HOME="$tmp/home"
export XDG_DATA_HOME="$tmp/data"
export XDG_CONFIG_HOME="$tmp/config"
export XDG_RUNTIME_DIR="$tmp/runtime"
export XDG_CACHE_HOME="$tmp/cache"
export TMPDIR="$tmp"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export LC_ALL=C.UTF-8
export LANG=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Qt and the system libraries are not built for the race detector: it checks the memory accesses
# of our own code, the locks and threads of every library, and (ignore_noninstrumented_modules)
# not the copies, allocations and frees that those libraries make themselves; tsan.supp has why.
export TSAN_OPTIONS="${TSAN_OPTIONS:-ignore_noninstrumented_modules=1:suppressions=$(dirname "$0")/tsan.supp:second_deadlock_stack=1}"
"$@"
