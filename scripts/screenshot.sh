#!/usr/bin/env bash
# Photographs the calculator's window as a real X server (Xvfb, 96 DPI)
# draws it, into docs/screenshot.png. Without a window manager the picture
# shows the client area only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/x11-session.sh
build=${INVOLUTE_BUILD_DIR:-build/release}

if [[ "${1:-}" != --inside-x ]]; then
    scripts/install-dependencies.sh
    scripts/install-dependencies.sh scripts/x11-tool-packages.txt
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" --target involute
    exec xvfb-run --auto-servernum --server-args="$xvfb_server_args" "$0" --inside-x
fi

"$build/app/involute" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT
window=$(wait_for_window "渐开线")
sleep 1  # lets the first paint finish
mkdir -p docs
import -window "$window" docs/screenshot.png
echo "screenshot: docs/screenshot.png ($(identify -format '%wx%h' docs/screenshot.png))"
