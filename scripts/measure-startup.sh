#!/usr/bin/env bash
# Start-up of the calculator against a bare Qt window of the same size, on a
# real X server (Xvfb): the time from launch until the window is mapped and
# viewable, and the resident memory a second later. Prints the median and
# the range over the runs (default 15; set RUNS to change).
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
    cmake --build "$build" --target involute bare_qt_window
    exec xvfb-run --auto-servernum --server-args="$xvfb_server_args" "$0" --inside-x
fi

# Prints "milliseconds rss_kib" for one start of $1, whose window is titled $2.
measure_once() {
    local program=$1 title=$2 start end pid rss
    start=$(date +%s%N)
    "$program" &
    pid=$!
    wait_for_window "$title" >/dev/null
    end=$(date +%s%N)
    sleep 1
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $rss"
}

# Median, minimum and maximum of the numbers on standard input.
summary() {
    sort -n | awk '{v[NR] = $1} END {printf "median %s (%s to %s)", v[int((NR + 1) / 2)], v[1], v[NR]}'
}

report() {
    local name=$1 program=$2 title=$3 samples
    measure_once "$program" "$title" >/dev/null  # warms the file cache
    samples=$(for _ in $(seq "$runs"); do measure_once "$program" "$title"; done)
    printf '%-16s first shown: %s ms   RSS: %s KiB\n' "$name" \
        "$(cut -d' ' -f1 <<<"$samples" | summary)" "$(cut -d' ' -f2 <<<"$samples" | summary)"
}

echo "start-up over $runs runs, Xvfb 96 DPI"
report "involute" "$build/app/involute" "渐开线"
report "bare Qt window" "$build/bench/bare_qt_window" "bare"
