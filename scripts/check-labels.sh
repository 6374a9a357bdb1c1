#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a test registered in a configured build folder carries no ctest label:
# scripts/check-labels.sh [build folder]. Labels pick a whole area's tests (ctest -L macro).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
ctest --test-dir "$dir" --show-only=json-v1 | python3 -c '
import json, sys
tests = json.load(sys.stdin)["tests"]
missing = [t["name"] for t in tests
           if not any(p["name"] == "LABELS" and p["value"] for p in t.get("properties", []))]
for name in missing:
    print("no ctest label:", name)
print(f"{len(tests)} tests, {len(missing)} without a label")
sys.exit(1 if missing or not tests else 0)
'
