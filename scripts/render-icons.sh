#!/usr/bin/env bash
# Renders the program's SVG icon into the PNG sizes the window carries, so the
# window needs no SVG plugin at start-up. Run it after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || scripts/install-dependencies.sh <(echo librsvg2-bin)
svg=data/icons/io.github.involute.Involute.svg
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "ui/qt/icons/involute-$size.png"
done
echo "rendered $svg into ui/qt/icons/"
# The Windows program's icon: three small sizes as bitmaps, 256 as PNG.
command -v /usr/bin/convert >/dev/null || scripts/install-dependencies.sh <(echo imagemagick)
/usr/bin/convert ui/qt/icons/involute-{16,32,48,256}.png ui/win32/involute.ico
echo "assembled ui/win32/involute.ico"
