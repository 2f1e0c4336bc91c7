#!/usr/bin/env bash
# Runs clang-tidy with the checks in .clang-tidy on every C++ source of the
# project: the Linux build's (build/ci) and the Win32 sources of the 64-bit
# Windows build (build/windows), each build configured here when it has no
# compile commands yet. A file found clean is not checked again until it, a
# header it reads, its compile command, the checks or clang-tidy change
# (scripts/tidy_run.py). Fails on any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

build=${INVOLUTE_BUILD_DIR:-build/ci}
if [[ ! -f "$build/compile_commands.json" ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINVOLUTE_WERROR=ON >/dev/null
fi
windows_build=build/windows
if [[ ! -f "$windows_build/compile_commands.json" ]]; then
    cmake --preset windows >/dev/null
fi

log=$build/tidy.log
status=0
python3 scripts/tidy_run.py "$root" "$(nproc)" "$build" "$windows_build" 2>"$log" || status=$?
if ((status != 0)); then
    cat "$log" >&2
    echo "tidy: whole log in $log" >&2
fi
exit "$status"
