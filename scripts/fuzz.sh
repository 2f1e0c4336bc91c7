#!/usr/bin/env bash
# Builds the libFuzzer programs in the sanitizer build (clang, CMake preset
# "asan", build/asan), runs each for a set time and prints its executions and
# crashes. Fails on a crash.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target: the argument, else $INVOLUTE_FUZZ_SECONDS, else 60;
# 0 runs the seed corpus once and stops.
# TARGET: the names under fuzz/corpus/ (default: all of them).
# Targets run side by side, $INVOLUTE_FUZZ_JOBS at a time (default: cores).
#
# The seeds in fuzz/corpus/<target>/ are only read; inputs the fuzzer finds
# go to build/asan/corpus/<target>/ and are kept for the next run. A crash
# input lands in build/asan/crashes/<target>/: once it is fixed, copy it into
# fuzz/corpus/<target>/ under a name of letters, digits and underscores, and
# the corpus tests replay it in every build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${1:-${INVOLUTE_FUZZ_SECONDS:-60}}
if [[ ! "$seconds" =~ ^[0-9]+$ ]]; then
    echo "fuzz: SECONDS must be a whole number, not '$seconds'" >&2
    exit 2
fi
shift $(($# > 0 ? 1 : 0))
jobs=${INVOLUTE_FUZZ_JOBS:-$(nproc)}
build=build/asan

cmake --preset asan >/dev/null
cmake --build --preset asan --target fuzz_programs

targets=("$@")
if ((${#targets[@]} == 0)); then
    for corpus in fuzz/corpus/*/; do
        corpus=${corpus%/}
        targets+=("${corpus##*/}")
    done
fi

run_target() {
    local name=$1 work=$build/corpus/$1 crashes=$build/crashes/$1 log=$build/logs/$1.log
    local options=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1
                   -artifact_prefix="$crashes/")
    if ((seconds > 0)); then
        options+=(-max_total_time="$seconds")
    else
        options+=(-runs=0)
    fi
    [[ -f fuzz/$name.dict ]] && options+=(-dict="fuzz/$name.dict")
    set +e
    "$build/fuzz/fuzz_$name" "${options[@]}" "$work" "fuzz/corpus/$name" >"$log" 2>&1
    echo $? >"$build/logs/$name.rc"
}

mkdir -p "$build/logs"
for name in "${targets[@]}"; do
    [[ -x "$build/fuzz/fuzz_$name" ]] || { echo "fuzz: no program fuzz_$name" >&2; exit 1; }
    [[ -d "fuzz/corpus/$name" ]] || { echo "fuzz: no seed corpus fuzz/corpus/$name" >&2; exit 1; }
    rm -rf "$build/crashes/$name" "$build/logs/$name.rc"
    mkdir -p "$build/corpus/$name" "$build/crashes/$name"
done

echo "fuzz: ${#targets[@]} targets, ${seconds} s each, $jobs at a time"
running=0
for name in "${targets[@]}"; do
    if ((running >= jobs)); then
        wait -n || true
        running=$((running - 1))
    fi
    run_target "$name" &
    running=$((running + 1))
done
wait

failed=()
printf '%-16s %8s %12s %8s\n' target seconds executions crashes
for name in "${targets[@]}"; do
    log=$build/logs/$name.log
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    crashes=$(find "$build/crashes/$name" -type f \
        \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    rc=$(cat "$build/logs/$name.rc" 2>/dev/null || echo 1)
    printf '%-16s %8s %12s %8s\n' "$name" "$seconds" "${executions:-?}" "$crashes"
    if ((rc != 0 || crashes != 0)); then
        failed+=("$name")
    fi
done
for name in "${failed[@]}"; do
    echo "---- $name failed; end of $build/logs/$name.log:" >&2
    grep -v -E '^ +#[0-9]+ ' "$build/logs/$name.log" | tail -n 20 >&2
    for input in "$build/crashes/$name"/*; do
        [[ -f "$input" ]] && echo "replay: $build/fuzz/fuzz_$name $input" >&2
    done
done
((${#failed[@]} == 0))
