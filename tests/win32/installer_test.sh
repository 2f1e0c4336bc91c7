#!/bin/sh
# The installer, as a user without administrator rights runs it: installs
# silently into a folder of its own, the installed program computes the
# worked example, and the uninstaller takes away every file, the Start-menu
# entry and the entry in the list of installed programs.
#   installer_test.sh BUILD_DIR WINE_RUN PREFIX
set -eu
build=$1
wine_run=$2
prefix=$(realpath -m "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "installer_test: $*" >&2
    exit 1
}
run() {
    "$wine_run" "$prefix" "$@"
}

(cd "$build" && cpack -G NSIS -B "$work/package" >"$work/cpack.log") ||
    { cat "$work/cpack.log" >&2; fail "cpack could not make the installer"; }
installer=$(ls "$work"/package/involute-*-win64.exe)

folder="involute-test-$$"
installed="$prefix/drive_c/$folder"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.involute.Involute'
rm -rf "$installed"
run "$installer" /S "/D=C:\\$folder"
WINEPREFIX=$prefix wineserver -w

[ -f "$installed/involute.exe" ] || fail "involute.exe was not installed"
[ -f "$installed/Uninstall.exe" ] || fail "no uninstaller"
shortcut=$(find "$prefix/drive_c/users" -name '渐开线.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu entry 渐开线"
run reg query "$key" >/dev/null 2>&1 || fail "not in the list of installed programs"

result=$(run "C:\\$folder\\involute.exe" calc --format csv)
case $result in
    *62.0650079416401*12.8349709170999*) ;;
    *) fail "the installed program printed: $result" ;;
esac

run "C:\\$folder\\Uninstall.exe" /S
WINEPREFIX=$prefix wineserver -w
[ ! -e "$installed" ] || fail "left behind: $(find "$installed")"
[ ! -e "$shortcut" ] || fail "left the Start-menu entry behind"
if run reg query "$key" >/dev/null 2>&1; then
    fail "left the entry in the list of installed programs"
fi
echo "installer_test: installed, computed and uninstalled without a trace"
