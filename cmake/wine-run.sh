#!/bin/sh
# Runs a Windows program under wine, for CTest and the build:
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
# PREFIX is a wine prefix of its own (inside the build folder), made on first
# use: offline, without the Mono and Gecko installers, quietly, under a lock
# because CTest starts many tests at once. Wine gets no display: the programs
# are console programs, and a display would only let wine open windows.
# A UTF-8 locale makes wine turn the arguments into UTF-16 as UTF-8; under
# LANG=C it garbles every Chinese character.
set -eu
if [ $# -lt 2 ]; then
    echo "usage: wine-run.sh PREFIX PROGRAM [ARGUMENT...]" >&2
    exit 2
fi
WINEPREFIX=$(realpath -m "$1")
shift
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY

ready="$WINEPREFIX/.involute-ready"
if [ ! -e "$ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -e "$ready" ]; then
            wineboot --init >/dev/null 2>&1
            touch "$ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
