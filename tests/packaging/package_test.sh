#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and checks what
# a user would get: the program computes the example gear from the unpacked
# tree, its desktop entry opens the window there, with the window module
# found in the moved library folder, and the desktop entry, AppStream
# metadata and man page are valid.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --build "$build" --target package >/dev/null
mapfile -t debs < <(find "$build" -maxdepth 1 -name 'involute_*_*.deb')
[[ ${#debs[@]} -eq 1 ]] || { echo "expected one involute_<version>_<arch>.deb, found ${#debs[@]}"; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libqt6core6 libqt6widgets6 libc6 fonts-noto-cjk fonts-arphic-ukai qt6-translations-l10n; do
    [[ "$depends" == *"$needed"* ]] || { echo "Depends lacks $needed"; exit 1; }
done

dpkg-deb -x "$deb" "$root"
app_id=io.github.involute.Involute
for file in usr/bin/involute usr/lib/involute/involute-window-qt.so \
            "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            usr/share/man/man1/involute.1.gz \
            usr/share/man/zh_CN/man1/involute.1.gz; do
    [[ -e "$root/$file" ]] || { echo "missing from the package: $file"; exit 1; }
done

# The unpacked program, with no display, gives the example's digits.
output=$(env -u DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/involute" calc --format csv \
    -m 2.25 -z 25 --alpha 20 --beta 25 --da 65.7 --ds 57.9)
echo "$output"
for digits in 62.0650079416401 57.5941477279766 23.3989618698559 6.64229572671048 \
              2.97170605410439 12.8349709170999; do
    [[ "$output" == *"$digits"* ]] || { echo "calc output lacks $digits"; exit 1; }
done

# The desktop entry's command, found on the PATH in the unpacked tree, opens
# the window.
source "$(dirname "$0")/../app/first_paint.sh"
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
scratch=$root/scratch
mkdir "$scratch"
# shellcheck disable=SC2086  # the entry's command line is split into words
if ! paints_window "$scratch" env PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$scratch" $command; then
    echo "the desktop entry's command ($command) opens no window: $window_output"
    exit 1
fi
echo "desktop entry opens the window: ok"

desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
echo "desktop-file-validate: ok"
# Docks match the window to its entry by WM_CLASS, which Qt takes from the
# program's name.
grep -qx 'StartupWMClass=involute' "$root/usr/share/applications/$app_id.desktop" ||
    { echo "the desktop entry lacks StartupWMClass=involute"; exit 1; }
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
zcat "$root/usr/share/man/man1/involute.1.gz" | grep -q '^\.SH' || { echo "man page has no sections"; exit 1; }
man_text=$(MANWIDTH=100 man -l "$root/usr/share/man/man1/involute.1.gz" 2>/dev/null | col -b)
for option in calc batch --format --help --version; do
    [[ "$man_text" == *"$option"* ]] || { echo "man page lacks $option"; exit 1; }
done
echo "package test: ok"
