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
# Races inside Debian's Qt and system libraries, which are not built for the race detector.
# ignore_noninstrumented_modules: memory calls made from inside those libraries (Qt's posted-event
# queue growing under its own futex-based mutex, say) are not taken as accesses, while the
# pthread calls they make still order our threads.
export TSAN_OPTIONS="${TSAN_OPTIONS:-suppressions=$(dirname "$0")/tsan.supp:second_deadlock_stack=1:ignore_noninstrumented_modules=1}"
"$@"
