#!/usr/bin/env bash
# Start-up of the command line: launches `involute calc` for one gear and a
# statically linked C++ program that prints one line (one_line_static)
# alternately, RUNS times each (default 400) after a warm-up, and prints the
# median wall time of a launch of each and the ratio calc / one line (the
# goal: at most 2). Both are started the same way, by this shell's fork and
# exec, which their times include.
#
#   bench/calc_startup_bench.sh [build directory]      (default: build/ci)
#
# INVOLUTE=PROGRAM measures another build of involute. Runs on one core
# (taskset) when taskset is there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/ci}
involute=${INVOLUTE:-$build/app/involute}
one_line=$build/bench/one_line_static
for program in "$involute" "$one_line"; do
    [[ -x $program ]] || { echo "missing $program: build first" >&2; exit 2; }
done
runs=${RUNS:-400}

# The script itself moves to one core, and with it what it starts.
if command -v taskset >/dev/null; then
    taskset -p -c 0 $$ >/dev/null
fi
calc=("$involute" calc -m 2.25 -z 25 --alpha 20 --beta 25 --da 65.7 --ds 57.9)

# Prints the microseconds one launch of "$@" takes.
launch_once() {
    local start=${EPOCHREALTIME//[^0-9]/}
    "$@" >/dev/null
    echo $((${EPOCHREALTIME//[^0-9]/} - start))
}

# The median of the numbers on standard input.
median() {
    sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

launch_once "${calc[@]}" >/dev/null  # warms the file cache
launch_once "$one_line" >/dev/null
calc_samples='' one_samples=''
for _ in $(seq "$runs"); do
    calc_samples+="$(launch_once "${calc[@]}")"$'\n'
    one_samples+="$(launch_once "$one_line")"$'\n'
done
calc_median=$(median <<<"${calc_samples%$'\n'}")
one_median=$(median <<<"${one_samples%$'\n'}")
echo "start-up of one launch, medians of $runs runs each, alternately:"
awk -v c="$calc_median" -v o="$one_median" 'BEGIN {
    printf "  involute calc, one gear:      %8.3f ms\n", c / 1000
    printf "  static program, one line:     %8.3f ms\n", o / 1000
    printf "  involute calc / one line:     %8.2f  (goal: <= 2)\n", c / o
}'
