#!/bin/sh
# Runs a Windows program under wine, for CTest and the build:
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
# PREFIX is a wine prefix of its own (inside the build folder), made on first
# use (cmake/wine-environment.sh) under a lock because CTest starts many tests
# at once. Wine gets no display: the programs are console programs, and a
# display would only let wine open windows.
set -eu
if [ $# -lt 2 ]; then
    echo "usage: wine-run.sh PREFIX PROGRAM [ARGUMENT...]" >&2
    exit 2
fi
WINEPREFIX=$(realpath -m "$1")
shift
export WINEPREFIX
. "$(dirname "$0")/wine-environment.sh"
unset DISPLAY WAYLAND_DISPLAY

if [ ! -e "$WINEPREFIX/.involute-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        involute_make_prefix
    ) 9>"$WINEPREFIX.lock"
fi
involute_keep_wineserver
exec wine "$@"
