#!/bin/sh
# The GUI-subsystem program started by a console program that passes it no
# standard handles: its command line must write to the parent's console
# (AttachConsole, CONOUT$), and a standard output the parent did pass on
# must keep getting exactly the bytes, while the error still reaches the
# console. Exit statuses are the command line's own.
#   parent_console_test.sh LAUNCHER.exe PROGRAM.exe RUNNER...
# LAUNCHER is no_handles_launcher.exe; RUNNER runs a Windows program here
# (the wine wrapper). `script` gives wine a terminal, which wine turns into
# the launcher's console.
set -eu
launcher=$1 program=$2
shift 2
quoted_runner=""
for word in "$@" "$launcher"; do
    quoted_runner="$quoted_runner '$word'"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
# check NAME EXPECTED_STATUS EXPECTED_TEXT PASSED WORDS...: runs the program
# with WORDS through the launcher, which passes on its standard output (to
# the file out) when PASSED is --pass-output and nothing when it is none; the
# console must show EXPECTED_TEXT and the status be EXPECTED_STATUS.
check() {
    name=$1 expected_status=$2 expected=$3 passed=$4
    shift 4
    words=""
    [ "$passed" = none ] || words=" $passed"
    words="$words 'Z:$program'"
    for word in "$@"; do
        words="$words '$word'"
    done
    TERM=dumb script -q -c "$quoted_runner $words >'$work/out'; echo status=\$?" /dev/null \
        </dev/null | perl -pe 's/\e\[[0-9;?]*[A-Za-z]//g; s/\r//g' >"$work/$name.console"
    if ! grep -qF "$expected" "$work/$name.console"; then
        echo "FAIL $name: the console does not show “$expected”:"
        cat "$work/$name.console"
        failures=$((failures + 1))
    elif ! grep -qx "status=$expected_status" "$work/$name.console"; then
        echo "FAIL $name: not status $expected_status:"
        cat "$work/$name.console"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

check calc_result 0 "分度圆直径 d    62.0650079416401" none calc
check calc_chinese_error 1 "模数 “二” 不是有效的数字" none calc --module 二
check version 0 "involute " none --version
# Standard output passed on: the result goes to the file only, the error
# (no handle) to the console.
check output_passed_on 1 "模数 “x” 不是有效的数字" --pass-output calc --module x
check output_passed_on_result 0 "status=0" --pass-output calc --format csv
if ! grep -q "^62.0650079416401," "$work/out" 2>/dev/null; then
    echo "FAIL output_kept: the passed-on output did not get the table:"
    cat "$work/out"
    failures=$((failures + 1))
elif grep -q "62.0650079416401" "$work/output_passed_on_result.console"; then
    echo "FAIL output_kept: the result went to the console as well"
    failures=$((failures + 1))
else
    echo "ok   output_kept"
fi
exit $((failures > 0))
