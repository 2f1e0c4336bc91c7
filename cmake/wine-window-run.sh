#!/bin/sh
# Runs a Windows program that opens windows under wine on a headless X server:
#   wine-window-run.sh PREFIX DPI PROGRAM.exe [ARGUMENT...]
# PREFIX is a wine prefix of its own, made on first use like wine-run.sh's
# (cmake/wine-environment.sh), whose screen DPI (the LogPixels setting, which
# Windows takes from the display settings) is set to DPI. Xvfb gives wine its display; the prefix's
# wine processes are ended afterwards, since they would keep talking to a
# display that is gone.
set -eu
if [ $# -lt 3 ]; then
    echo "usage: wine-window-run.sh PREFIX DPI PROGRAM [ARGUMENT...]" >&2
    exit 2
fi
WINEPREFIX=$(realpath -m "$1")
dpi=$2
shift 2
export WINEPREFIX
. "$(dirname "$0")/wine-environment.sh"
unset WAYLAND_DISPLAY

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
involute_make_prefix
DISPLAY= wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1
wineserver -w
status=0
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" wine "$@" || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
