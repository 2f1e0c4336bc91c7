#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, checks the
# formatting, runs every test, runs clang-tidy, cross-builds the program for
# 32-bit and 64-bit Windows and runs its tests under wine, runs every test
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzes every fuzz
# target, built in the same sanitizer build, for $INVOLUTE_FUZZ_SECONDS
# (default 20) seconds each; the long run is scripts/fuzz.sh with more seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# Each stage's wall time, printed as it ends and once more all together at
# the end, so that a slow stage shows in the CI log.
stage_names=()
stage_seconds=()
stage_name=
stage_start=$SECONDS
stage() {
    if [[ -n "$stage_name" ]]; then
        stage_names+=("$stage_name")
        stage_seconds+=($((SECONDS - stage_start)))
        echo "test.sh: stage '$stage_name' took $((SECONDS - stage_start)) s"
    fi
    stage_name=$1
    stage_start=$SECONDS
}
print_stage_times() {
    local i
    echo "test.sh: stage times (s)"
    for i in "${!stage_names[@]}"; do
        printf '  %6d  %s\n' "${stage_seconds[$i]}" "${stage_names[$i]}"
    done
    printf '  %6d  total\n' "$SECONDS"
}

stage "install packages"
scripts/install-dependencies.sh

build=${INVOLUTE_BUILD_DIR:-build/ci}
stage "native configure"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINVOLUTE_WERROR=ON
stage "native build"
cmake --build "$build"

stage "format check"
scripts/check-format.sh

stage "native tests"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

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
trap 'end_wineservers; stage ""; print_stage_times' EXIT
# Wine 8 now and then fails to start a program at all ("ShellExecuteEx
# failed: Internal error", about one start in a few thousand), so the Windows
# test presets run a failed test once more; ctest's output still shows the
# first failure. A fault of the program fails both times.
stage "windows-i686 configure and build"
cmake --preset windows-i686 -DINVOLUTE_LINUX_PROGRAM="$linux_program"
cmake --build --preset windows-i686 -j "$(nproc)"
stage "windows-i686 tests"
ctest --preset windows-i686 -j "$(nproc)"
stage "windows configure and build"
cmake --preset windows -DINVOLUTE_LINUX_PROGRAM="$linux_program" \
    -DINVOLUTE_WINDOWS_I686_PROGRAM="$root/build/windows-i686/app/involute.exe"
cmake --build --preset windows -j "$(nproc)"
stage "windows tests"
ctest --preset windows -j "$(nproc)"

# The Linux build's sources and the Windows build's own (ui/win32, the
# Windows sources of app/platform, their tests).
stage "clang-tidy"
INVOLUTE_BUILD_DIR=$build scripts/tidy.sh

# The same tests and the fuzz programs, built once in build/asan with clang
# (CMakePresets.json).
stage "asan configure and build"
cmake --preset asan
cmake --build --preset asan
stage "asan tests"
ctest --preset asan -j "$(nproc)"

stage "fuzz runs"
scripts/fuzz.sh "${INVOLUTE_FUZZ_SECONDS:-20}"
