#!/usr/bin/env bash
# How `involute` starts its window: without a display it says so in Chinese
# and exits with 2 instead of aborting inside Qt; Qt's own single-dash options
# reach Qt and the window opens; a word that is no subcommand stays a usage
# error.
# Usage: window_start_test.sh INVOLUTE_BINARY
set -uo pipefail
binary=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Runs involute without any display or platform chosen, plus the environment
# assignments before "--" and the arguments after it; leaves status and
# stderr in $status and $err.
run_without_display() {
    local assignments=()
    while [[ "$1" != -- ]]; do
        assignments+=("$1")
        shift
    done
    shift
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${assignments[@]}" \
        timeout 20 "$binary" "$@" 2>&1 >/dev/null)
    status=$?
}

# The message names the missing display, points to --help, and is written
# in GB2312 characters.
expect_display_message() {
    local case=$1 names=$2
    [[ $status == 2 ]] || fail "$case: exit status $status, not 2 (stderr: $err)"
    [[ "$err" == *"$names"* ]] || fail "$case: the message does not name $names: $err"
    [[ "$err" == *"involute --help"* ]] || fail "$case: the message does not point to --help: $err"
    iconv -f UTF-8 -t GB2312 <<<"$err" >/dev/null 2>&1 ||
        fail "$case: the message has characters outside GB2312: $err"
}

run_without_display --
expect_display_message "no display" "DISPLAY"

run_without_display -- -style fusion
expect_display_message "Qt option, no display" "DISPLAY"

run_without_display WAYLAND_DISPLAY=wayland-9 --
expect_display_message "Wayland display that does not answer, no X display" "wayland-9"

run_without_display QT_QPA_PLATFORM=xcb --
expect_display_message "xcb named, no display" "DISPLAY"

if [[ -e /tmp/.X11-unix/X77 ]]; then
    echo "skipped: something listens on display :77"
else
    run_without_display DISPLAY=:77 --
    expect_display_message "unreachable display" ":77"
fi

# The window opens with the arguments: its first paint is noted in a file.
source "$(dirname "$0")/first_paint.sh"
expect_window() {
    local case=$1
    shift
    paints_window "$scratch" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" ||
        fail "$case: no window ($window_output)"
}

expect_window "no arguments" env QT_QPA_PLATFORM=offscreen "$binary"
expect_window "-platform offscreen" "$binary" -platform offscreen
expect_window "-style fusion" env QT_QPA_PLATFORM=offscreen "$binary" -style fusion
expect_window "-reverse" env QT_QPA_PLATFORM=offscreen "$binary" -reverse

# The window is a module beside the program or in its library folder; the
# program copied elsewhere alone, or beside a module that is none, says so.
lonely=$scratch/lonely
mkdir -p "$lonely"
cp "$binary" "$lonely/involute"
expect_module_message() {
    local case=$1 names=$2
    err=$(env QT_QPA_PLATFORM=offscreen timeout 20 "$lonely/involute" 2>&1 >/dev/null)
    status=$?
    [[ $status == 2 ]] || fail "$case: exit status $status, not 2 (stderr: $err)"
    [[ "$err" == *"$names"* && "$err" == *"involute --help"* ]] ||
        fail "$case: the message does not name $names and point to --help: $err"
}
expect_module_message "no module" "找不到窗口模块（$lonely/involute-window-qt.so"
echo "not a module" >"$lonely/involute-window-qt.so"
expect_module_message "not a module" "无法载入窗口模块 $lonely/involute-window-qt.so"
libm=$(ldconfig -p | awk '$1 == "libm.so.6" && /x86-64/ {print $NF; exit}')
if [[ -n $libm ]]; then
    cp "$libm" "$lonely/involute-window-qt.so"
    expect_module_message "a library without the entry" "中没有入口 involute_open_window"
fi

run_without_display -- calc2
[[ $status == 2 && "$err" == *"未知的命令 calc2"* ]] ||
    fail "calc2: exit status $status, not a usage error: $err"

if ((failures > 0)); then
    exit 1
fi
echo "window start-up: all cases pass"
