#!/bin/sh
# The Windows program writing to a console: Chinese file names, arguments and
# output must show as the same characters it writes to a pipe; started with
# no standard handles by a console program, it writes to that console.
#   console_test.sh LAUNCHER.exe PROGRAM.exe RUNNER...
# LAUNCHER is no_handles_launcher.exe.
# RUNNER is the command that runs a Windows program here (the wine wrapper);
# give absolute paths, as the test runs in a scratch folder.
# `script` gives wine a terminal, which wine turns into a console for the
# program, so its text goes through WriteConsoleW; the terminal's control
# sequences are taken out again before comparing.
set -eu
launcher=$1 program=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '件号,模数,齿数,压力角,螺旋角,大径,渐开线起始圆\r\nA-1,2.25,25,20,25,65.7,57.9\r\n' >齿轮.csv
# Long enough to fill the console's buffer many times over, so that some
# Chinese character is split between two of its writes.
awk 'BEGIN { print "件号,m,z,alpha,beta,da,ds"; for (i = 1; i <= 600; i++) printf "齿轮-%d,2.25,25,20,25,65.7,57.9\r\n", i }' >长表.csv
# Chinese Excel's "CSV": GBK, written back as GB18030, which the console must
# still show as the characters.
iconv -f UTF-8 -t GBK 齿轮.csv >gbk.csv

quoted_wine=""
for word in "$@"; do
    quoted_wine="$quoted_wine '$word'"
done
quoted_runner="$quoted_wine '$program'"

# What a terminal shows, as text: cursor moves right become the blanks they
# skip, other control sequences and carriage returns go, and so do blanks at
# line ends, which a console may clear instead of writing.
as_text() {
    perl -pe 's/\e\[(\d*)C/" " x ($1 || 1)/ge; s/\e\[[0-9;?]*[A-Za-z]//g; s/\r//g; s/[ \t]+$//'
}

# A file's bytes as UTF-8 text: FILE_ENCODING names its encoding, and the
# byte order mark a CSV file starts with is no text a console shows.
file_text() {
    iconv -f "${FILE_ENCODING:-UTF-8}" -t UTF-8 | perl -pe 's/^\xEF\xBB\xBF//' | as_text
}

failures=0
# check NAME STREAM EXPECTED WORDS...: runs the program with WORDS once with
# STREAM (out or err) on a console and once into a file; the two texts must
# match and hold EXPECTED.
check() {
    name=$1 stream=$2 expected=$3
    shift 3
    words=""
    for word in "$@"; do
        words="$words '$word'"
    done
    if [ "$stream" = out ]; then
        only_stream="2>/dev/null"
    else
        only_stream="2>&1 >/dev/null"
    fi
    # A wide terminal: the console would break longer lines.
    TERM=dumb script -q -c "stty cols 1000; $quoted_runner $words $only_stream" /dev/null \
        </dev/null | as_text >"$name.console"
    eval "$quoted_runner $words $only_stream" | file_text >"$name.file"
    if ! grep -qF "$expected" "$name.console"; then
        echo "FAIL $name: the console does not show “$expected”:"
        cat "$name.console"
        failures=$((failures + 1))
    elif ! cmp -s "$name.console" "$name.file"; then
        echo "FAIL $name: the console shows other text than the file holds:"
        diff "$name.file" "$name.console" || true
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

check batch_chinese_file_name out "start_diameter,件号,d,db" batch 齿轮.csv
FILE_ENCODING=GB18030
check batch_gbk_table out "start_diameter,件号,d,db" batch gbk.csv
FILE_ENCODING=UTF-8
check batch_long_chinese_table out "齿轮-600,62.0650079416401" batch 长表.csv
check calc_full_width_module out "分度圆直径 d    62.0650079416401" calc --module ２．２５
check calc_chinese_error err "模数 “二” 不是有效的数字" calc --module 二
# The Windows window takes no Qt options, so the help offers none.
if eval "$quoted_runner --help" | grep -q "Qt"; then
    echo "FAIL help_without_qt_options: the help offers Qt options"
    failures=$((failures + 1))
else
    echo "ok   help_without_qt_options"
fi

# through_launcher NAME STATUS EXPECTED PASSED WORDS...: the program started
# by the launcher, as a parent that redirects nothing starts a GUI program,
# passing on its own standard output (to NAME.out) when PASSED is
# --pass-output; the console must show EXPECTED and the status be STATUS.
through_launcher() {
    name=$1 status=$2 expected=$3 passed=${4#none}
    shift 4
    words=""
    for word in "$@"; do
        words="$words '$word'"
    done
    TERM=dumb script -q -c "$quoted_wine '$launcher' $passed 'Z:$program' $words >$name.out; \
echo status=\$?" /dev/null </dev/null | as_text >"$name.console"
    if ! grep -qF "$expected" "$name.console" || ! grep -qx "status=$status" "$name.console"; then
        echo "FAIL $name: the console does not show “$expected” and status=$status:"
        cat "$name.console"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}
through_launcher no_handles_result 0 "分度圆直径 d    62.0650079416401" none calc
through_launcher no_handles_error 1 "模数 “二” 不是有效的数字" none calc --module 二
# Only the output passed on: the table goes to the file alone, the error
# to the console.
through_launcher output_passed_on_error 1 "模数 “x” 不是有效的数字" --pass-output calc --module x
through_launcher output_passed_on 0 "status=0" --pass-output calc --format csv
if ! grep -q "^62.0650079416401," output_passed_on.out || grep -q "62\.06" output_passed_on.console; then
    echo "FAIL output_kept: the table is not in the passed-on output alone"
    failures=$((failures + 1))
else
    echo "ok   output_kept"
fi
exit $((failures > 0))
