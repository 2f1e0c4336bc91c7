#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, checks the
# formatting, runs every test, runs clang-tidy, cross-builds the Windows
# command line and runs its tests under wine, runs every test again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzes every fuzz
# target for $INVOLUTE_FUZZ_SECONDS (default 60) seconds each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-dependencies.sh

build=${INVOLUTE_BUILD_DIR:-build/ci}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINVOLUTE_WERROR=ON
cmake --build "$build"

scripts/check-format.sh

ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

INVOLUTE_BUILD_DIR=$build scripts/tidy.sh

# involute.exe with mingw-w64, its tests under wine, in build/windows; one of
# them feeds the same random gears to involute.exe and to the Linux program
# built above and wants the same bytes back.
cmake --preset windows -DINVOLUTE_LINUX_PROGRAM="$(realpath "$build")/app/involute"
cmake --build --preset windows -j "$(nproc)"
ctest --preset windows -j "$(nproc)"

# The same tests, built in build/asan (CMakePresets.json).
CTEST_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset asan

scripts/fuzz.sh "${INVOLUTE_FUZZ_SECONDS:-60}"
