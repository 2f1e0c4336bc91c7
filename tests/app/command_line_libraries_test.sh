#!/usr/bin/env bash
# The command line maps nothing of the window: `involute calc`, `batch`,
# `--help` and `--version` load neither Qt nor its X11, font and D-Bus
# libraries, which only the window module brings. The libraries loaded are
# the dynamic loader's own record (LD_DEBUG=libs).
# Usage: command_line_libraries_test.sh INVOLUTE_BINARY
set -uo pipefail
binary=$1
window_libraries='libQt6|libxcb|libX11|libfontconfig|libfreetype|libharfbuzz|libdbus|libGL|libicu|involute-window-qt'
failures=0

# Runs involute with the arguments, standard input from $input.
expect_no_window_library() {
    local case=$1 loaded
    shift
    loaded=$(LD_DEBUG=libs "$binary" "$@" <<<"$input" 2>&1 >/dev/null | sed -n 's/.*calling init: //p')
    if [[ "$loaded" != *libc.so* ]]; then
        echo "FAIL: $case: the loader's record lists no libc: $loaded"
        failures=$((failures + 1))
    elif grep -E "$window_libraries" <<<"$loaded"; then
        echo "FAIL: $case maps the window's libraries above"
        failures=$((failures + 1))
    fi
}

input=''
expect_no_window_library "calc" calc -m 2.25 -z 25 --alpha 20 --beta 25 --da 65.7 --ds 57.9
expect_no_window_library "--help" --help
expect_no_window_library "--version" --version
expect_no_window_library "a usage error" calc --teeth
input=$'module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter\n2,20,20,0,44,38'
expect_no_window_library "batch" batch

if ((failures > 0)); then
    exit 1
fi
echo "command line: no library of the window mapped"
