#!/usr/bin/env bash
# Start-up of the calculator against a bare Qt window (same client size, one
# label in the same CJK font) on a real X server (Xvfb, 96 DPI). Starts the
# two programs alternately RUNS times each (default 15) after one warm-up
# start each, and prints medians and the ratios involute / bare of: the time
# from launch until the window has first been painted; and, half a second
# later, when work put off past the first paint is done too, the processor
# time used (less disturbed by other load on the machine than the time) and
# the resident memory. The probe tools/first_paint_probe.cpp, preloaded into
# both programs, writes the time of their first paint into the file
# INVOLUTE_FIRST_PAINT_MARK names; the programs themselves know nothing of it.
# A third program, the same window in plain Qt (bench/plain_window.cpp), is
# started in turn with them: the part of involute's figures that is the
# window's layout and fonts themselves, and not the calculator's code.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/x11-session.sh
build=${INVOLUTE_BUILD_DIR:-build/release}
runs=${RUNS:-15}

if [[ "${1:-}" != --inside-x ]]; then
    scripts/install-dependencies.sh
    scripts/install-dependencies.sh scripts/x11-tool-packages.txt
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" --target involute bare_qt_window plain_qt_window \
        involute_first_paint_probe
    exec xvfb-run --auto-servernum --server-args="$xvfb_server_args" "$0" --inside-x
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mark=$scratch/first-paint
probe=$root/$build/tools/first-paint-probe.so
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$scratch}

# Prints "painted_us cpu_us rss_kib" for one start of the command "$@".
measure_once() {
    local start pid waited painted cpu_ns rss
    : >"$mark"
    start=${EPOCHREALTIME//[^0-9]/}  # microseconds, without forking a clock
    LD_PRELOAD=$probe INVOLUTE_FIRST_PAINT_MARK=$mark "$@" &
    pid=$!
    # The mark holds the time, so polling late costs nothing; a whole line is
    # there once read succeeds. Gives up after 20 s.
    for ((waited = 0; ; waited++)); do
        read -r painted <"$mark" && break
        if ! kill -0 "$pid" 2>/dev/null || ((waited == 400)); then
            echo "$1 did not paint its window" >&2
            kill "$pid" 2>/dev/null || true
            return 1
        fi
        sleep 0.05
    done
    sleep 0.5
    read -r cpu_ns _ <"/proc/$pid/schedstat"
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((painted - start)) $((cpu_ns / 1000)) $rss"
}

# The median of column $1 of the samples in $2, divided by $3, with $4 decimals.
median() {
    cut -d' ' -f"$1" <<<"${2%$'\n'}" | sort -n | awk -v unit="$3" -v decimals="$4" '
        {v[NR] = $1}
        END {printf "%.*f", decimals, ((NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) / unit}'
}

involute=("$build/app/involute")
bare=("$build/bench/bare_qt_window" "$(fc-match -f '%{family[0]}' 'sans-serif:lang=zh-cn')")
measure_once "${involute[@]}" >/dev/null  # warms the file cache
measure_once "${bare[@]}" >/dev/null
plain=("$build/bench/plain_qt_window" "${bare[1]}")
measure_once "${plain[@]}" >/dev/null
involute_samples='' bare_samples='' plain_samples=''
for _ in $(seq "$runs"); do
    involute_samples+="$(measure_once "${involute[@]}")"$'\n'
    bare_samples+="$(measure_once "${bare[@]}")"$'\n'
    plain_samples+="$(measure_once "${plain[@]}")"$'\n'
done

echo "start-up, medians of $runs runs each, alternately; Xvfb 96 DPI; bare font: ${bare[1]}"
printf '%-16s %14s %14s %10s\n' "" "painted (ms)" "CPU (ms)" "RSS (MiB)"
for name in involute bare plain; do
    samples=${name}_samples
    printf '%-16s %14s %14s %10s\n' "$name" "$(median 1 "${!samples}" 1000 1)" \
        "$(median 2 "${!samples}" 1000 1)" "$(median 3 "${!samples}" 1024 1)"
done
# The ratio of column $1's medians of samples $2 and $3.
ratio() {
    awk -v a="$(median "$1" "$2" 1 0)" -v b="$(median "$1" "$3" 1 0)" \
        'BEGIN {printf "%.2f", a / b}'
}
for pair in "involute bare" "plain bare" "involute plain"; do
    read -r over under <<<"$pair"
    over_samples=${over}_samples under_samples=${under}_samples
    printf '%-16s %14s %14s %10s\n' "$over / $under" \
        "$(ratio 1 "${!over_samples}" "${!under_samples}")" \
        "$(ratio 2 "${!over_samples}" "${!under_samples}")" \
        "$(ratio 3 "${!over_samples}" "${!under_samples}")"
done
printf '%-16s %14s %14s %10s\n' \
    "goal" "<= 1.15" "" "<= 1.10"
