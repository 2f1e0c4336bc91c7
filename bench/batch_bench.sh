#!/usr/bin/env bash
# Pushes generated gear tables of 10^5 and 10^6 rows through `involute batch`
# and prints rows/s and peak memory for each, beside the rate of the bare
# calculation and formatting (cli_bench, no input or output).
#
#   bench/batch_bench.sh [build directory]      (default: build/ci)
#
# Runs the batch on one core (taskset) when taskset is there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/ci}
involute=$build/app/involute
bench=$build/bench/cli_bench
for program in "$involute" "$bench"; do
    [[ -x $program ]] || { echo "missing $program: build first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pin=()
if command -v taskset >/dev/null; then
    pin=(taskset -c 0)
fi

# Plausible helical gears: module, teeth, angles vary row by row; the tip
# circle is d + 2m and the start circle lies between the base and reference
# circles, so every row computes.
generate() {
    awk -v rows="$1" 'BEGIN {
        srand(42)
        split("0.8 1 1.25 1.5 2 2.25 2.5 3 4 5 6 8", modules, " ")
        split("14.5 20 22.5 25", pressures, " ")
        pi = atan2(0, -1)
        print "module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter"
        for (i = 0; i < rows; i++) {
            m = modules[1 + int(rand() * 12)]
            z = 12 + int(rand() * 140)
            an = pressures[1 + int(rand() * 4)]
            b = int(rand() * 3500) / 100
            d = m * z / cos(b * pi / 180)
            at = atan2(sin(an * pi / 180) / cos(an * pi / 180) / cos(b * pi / 180), 1)
            db = d * cos(at)
            printf "%s,%d,%s,%s,%.4f,%.4f\r\n", m, z, an, b, d + 2 * m, (db + d) / 2
        }
    }'
}

generate 1000000 >"$work/1e6.csv"
head -n 100001 "$work/1e6.csv" >"$work/1e5.csv"

echo "bare calculation + formatting, no I/O (cli_bench):"
bare=$("${pin[@]}" "$bench" --benchmark_filter=CalculationAndFormatting \
    --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null |
    awk -F, '/^name,/ { for (i = 1; i <= NF; i++) if ($i == "items_per_second") c = i }
             /_median/ { print $c }')
printf '  %.0f rows/s\n' "$bare"

for rows in 1e5 1e6; do
    count=$(awk -v r="$rows" 'BEGIN { printf "%d", r }')
    start=$(date +%s.%N)
    "${pin[@]}" /usr/bin/time -f '%M' -o "$work/rss" \
        "$involute" batch "$work/$rows.csv" -o "$work/out.csv"
    end=$(date +%s.%N)
    rss=$(cat "$work/rss")
    lines=$(($(wc -l <"$work/out.csv") - 1))
    [[ $lines == "$count" ]] || { echo "expected $count rows, got $lines" >&2; exit 1; }
    awk -v n="$count" -v s="$start" -v e="$end" -v rss="$rss" -v bare="$bare" 'BEGIN {
        rate = n / (e - s)
        printf "involute batch, %d rows: %.2f s, %.0f rows/s (%.2fx the bare time per row), peak RSS %d KiB\n",
               n, e - s, rate, bare / rate, rss
    }'
done
