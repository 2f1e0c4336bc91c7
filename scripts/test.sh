#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, checks the
# formatting, runs every test, runs clang-tidy, cross-builds the program for
# 32-bit and 64-bit Windows and runs its tests under wine, runs every test
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzes every fuzz
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

# involute.exe with mingw-w64 for 32-bit and 64-bit Windows, its tests under
# wine, in build/windows-i686 and build/windows; one of them feeds the same
# random gears to involute.exe and to the Linux program built above and wants
# the same bytes back. The 32-bit program first: the installer, made and
# tested by the 64-bit build, holds both. Its tests run under 32-bit wine as
# Windows 7 in a Chinese locale (code page 936), the oldest and most foreign
# system supported.
linux_program="$(realpath "$build")/app/involute"
# The wine prefixes' servers stay for the test run (cmake/wine-environment.sh)
# and end with it.
end_wineservers() {
    local prefix
    for prefix in build/windows-i686/wine-prefix* build/windows/wine-prefix*; do
        [ ! -d "$prefix" ] || WINEPREFIX=$(realpath "$prefix") wineserver -k 2>/dev/null || true
    done
}
trap end_wineservers EXIT
windows_start=$SECONDS
cmake --preset windows-i686 -DINVOLUTE_LINUX_PROGRAM="$linux_program"
cmake --build --preset windows-i686 -j "$(nproc)"
ctest --preset windows-i686 -j "$(nproc)"
i686_seconds=$((SECONDS - windows_start))
cmake --preset windows -DINVOLUTE_LINUX_PROGRAM="$linux_program" \
    -DINVOLUTE_WINDOWS_I686_PROGRAM="$root/build/windows-i686/app/involute.exe"
cmake --build --preset windows -j "$(nproc)"
ctest --preset windows -j "$(nproc)"
echo "Windows builds and tests: i686 ${i686_seconds} s, x86_64 $((SECONDS - windows_start - i686_seconds)) s"

# The same tests, built in build/asan (CMakePresets.json).
CTEST_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset asan

scripts/fuzz.sh "${INVOLUTE_FUZZ_SECONDS:-60}"
