#!/bin/sh
# The Windows program prints the Linux program's digits: random gears,
# realistic and extreme, through both `involute batch`; the two outputs and
# exit statuses must be the same bytes.
#   same_digits_test.sh LINUX_PROGRAM WINDOWS_PROGRAM.exe RUNNER...
# RUNNER runs a Windows program here (the wine wrapper). ROWS (default
# 10000) and SEED (default 1) change the table.
set -eu
linux=$1 windows=$2
shift 2
rows=${ROWS:-10000}
seed=${SEED:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Three rows in four are gears as drawn: module, teeth and angles in use,
# the tip circle about d + 2m, the start circle near the base circle (now
# and then inside it). The fourth pushes the inputs to their ends: tiny and
# huge magnitudes, subnormals, angles at and next to 0 and 90 degrees,
# signs, and teeth counts far past any gear. Numbers carry 17 significant
# digits, so every bit of the double the program reads matters.
awk -v rows="$rows" -v seed="$seed" 'BEGIN {
    srand(seed)
    pi = atan2(0, -1)
    split("1e-300 4.9e-324 2.2250738585072014e-308 1e-9 0.001 1 7 1e6 1e15 1e154 1e300 1.79769313486232e308", magnitudes, " ")
    split("0 -0 1e-12 0.5 14.5 20 30 44.99999999 45 60 89 89.999999 89.9999999999999 90 90.0000001 -20 180", angles, " ")
    print "module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter"
    for (i = 0; i < rows; i++) {
        if (i % 4 != 3) {
            m = 0.1 + rand() * 25
            z = 3 + int(rand() * 300)
            an = 10 + rand() * 25
            b = rand() * 50
            d = m * z / cos(b * pi / 180)
            at = atan2(sin(an * pi / 180) / cos(an * pi / 180) / cos(b * pi / 180), 1)
            db = d * cos(at)
            printf "%.17g,%d,%.17g,%.17g,%.17g,%.17g\r\n", m, z, an, b, d + 2 * m * (0.8 + rand() * 0.4), db * (0.97 + rand() * 0.1)
        } else {
            m = magnitudes[1 + int(rand() * 12)] * (rand() < 0.1 ? -1 : 1)
            z = rand() < 0.5 ? int(rand() * 10) : magnitudes[1 + int(rand() * 12)]
            an = angles[1 + int(rand() * 17)]
            b = angles[1 + int(rand() * 17)]
            da = rand() < 0.5 ? m * rand() * 100 : magnitudes[1 + int(rand() * 12)]
            ds = rand() < 0.5 ? m * rand() * 100 : magnitudes[1 + int(rand() * 12)]
            printf "%.17g,%.17g,%s,%s,%.17g,%.17g\r\n", m, z, an, b, da, ds
        }
    }
}' >"$work/gears.csv"

status_linux=0
"$linux" batch <"$work/gears.csv" >"$work/linux.csv" 2>"$work/linux.err" || status_linux=$?
status_windows=0
"$@" "$windows" batch <"$work/gears.csv" >"$work/windows.csv" 2>"$work/windows.err" ||
    status_windows=$?

differing=$(diff "$work/linux.csv" "$work/windows.csv" | grep -c '^>' || true)
echo "$rows gears (seed $seed): $differing output rows differ"
failed=0
if [ "$differing" -ne 0 ]; then
    diff "$work/linux.csv" "$work/windows.csv" | head -n 20
    failed=1
fi
if [ "$status_linux" -ne "$status_windows" ] || ! cmp -s "$work/linux.err" "$work/windows.err"; then
    echo "Linux exits $status_linux: $(cat "$work/linux.err")"
    echo "Windows exits $status_windows: $(cat "$work/windows.err")"
    failed=1
fi
exit "$failed"
