#!/usr/bin/env bash
# Photographs the Windows program's window as wine draws it on a real X server
# (Xvfb, 96 DPI), into docs/screenshot-windows.png beside the Linux picture.
# Without a window manager the picture shows the client area only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/x11-session.sh
build=${INVOLUTE_BUILD_DIR:-build/windows-release}

if [[ "${1:-}" != --inside-x ]]; then
    scripts/install-dependencies.sh
    scripts/install-dependencies.sh scripts/x11-tool-packages.txt
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target involute
    exec xvfb-run --auto-servernum --server-args="$xvfb_server_args" "$0" --inside-x
fi

export WINEPREFIX="$root/$build/wine-prefix-screenshot" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
[[ -e "$WINEPREFIX/.involute-ready" ]] || { wineboot --init >/dev/null 2>&1 && touch "$WINEPREFIX/.involute-ready"; }
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wine "$build/app/involute.exe" &
program=$!
trap 'kill "$program" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
window=$(wait_for_window "渐开线")
sleep 1  # lets the first paint finish
mkdir -p docs
import -window "$window" docs/screenshot-windows.png
echo "screenshot: docs/screenshot-windows.png ($(identify -format '%wx%h' docs/screenshot-windows.png))"
