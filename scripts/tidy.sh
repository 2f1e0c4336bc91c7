#!/usr/bin/env bash
# Runs clang-tidy with the checks in .clang-tidy on every C++ source of the
# project, using the compile commands of the CI build (configured here when
# missing). Fails on any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

build=${INVOLUTE_BUILD_DIR:-build/ci}
if [[ ! -f "$build/compile_commands.json" ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINVOLUTE_WERROR=ON >/dev/null
fi

# Only the project's own folders, not files generated into the build tree.
sources="^${root//./\\.}/(app|bench|calc|fuzz|tests|ui|utf8)/"
log=$build/tidy.log
status=0
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "$sources" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' >"$log" || status=$?
files=$(grep -c '^clang-tidy' "$log" || true)
if ((status != 0)) || grep -q -E ': (warning|error): ' "$log"; then
    grep -E -A3 ': (warning|error): ' "$log" >&2 || cat "$log" >&2
    echo "tidy: findings above in $files files (whole log: $log)" >&2
    exit 1
fi
echo "tidy: $files files clean"
