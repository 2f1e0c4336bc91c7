#!/bin/sh
# The installer, as a user without administrator rights runs it: installs
# silently into a folder of its own, the installed program computes the
# worked example, a second installation finds the first and replaces it,
# installing or uninstalling while the program runs fails without a change,
# and the uninstaller takes away every file, the folder it made, the
# Start-menu entry and the entry in the list of installed programs. The
# installer and the uninstaller it writes pass the import gate, and on 32-bit
# Windows the installer installs the 32-bit program. Both programs come
# stripped of their debugging sections.
#   installer_test.sh BUILD_DIR WINE_RUN PREFIX IMPORTS_TEST OBJDUMP ALLOWED_IMPORTS [I686_PROGRAM]
# Without I686_PROGRAM (the build's INVOLUTE_WINDOWS_I686_PROGRAM) the
# installer holds no 32-bit program, and 32-bit Windows is not tried.
set -eu
build=$1
wine_run=$2
prefix=$(realpath -m "$3")
imports_test=$4 objdump=$5 allowed=$6 i686_program=${7:-}
# Each step waits for the wine programs it started to end (settle).
export INVOLUTE_WINE_SERVER_ENDS=1
work=$(mktemp -d)
running=
trap '[ -z "$running" ] || kill "$running" 2>/dev/null; rm -rf "$work"' EXIT

fail() {
    echo "installer_test: $*" >&2
    exit 1
}
# The debugging sections of a release build are most of its size.
stripped() {
    ! "$objdump" -h "$1" | grep -q '\.debug_' || fail "$2 came with its debugging sections"
}
run() {
    "$wine_run" "$prefix" "$@"
}
settle() {
    WINEPREFIX=$prefix wineserver -w
}

(cd "$build" && cpack -G NSIS -B "$work/package" >"$work/cpack.log") ||
    { cat "$work/cpack.log" >&2; fail "cpack could not make the installer"; }
# One installer for both architectures: its name claims neither.
installer=$(ls "$work"/package/involute-*-windows-setup.exe) ||
    fail "no involute-VERSION-windows-setup.exe: $(ls "$work/package")"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.involute.Involute'
first="involute-first-$$"
parent="involute-parent-$$"
second="$parent\\involute"
rm -rf "$prefix/drive_c/$first" "$prefix/drive_c/$parent"
run "$installer" /S "/D=C:\\$first" || fail "the first install failed with status $?"
settle
installed="$prefix/drive_c/$first"
[ -f "$installed/involute.exe" ] || fail "involute.exe was not installed"
[ -f "$installed/Uninstall.exe" ] || fail "no uninstaller"
"$imports_test" "$objdump" "$allowed" "$installer" "$installed/Uninstall.exe" ||
    fail "the installer or its uninstaller imports what Windows 7 SP1 lacks"
shortcut=$(find "$prefix/drive_c/users" -name '渐开线.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu entry 渐开线"
run reg query "$key" /v EstimatedSize 2>/dev/null | grep -q 'REG_DWORD *0x[1-9a-f]' ||
    fail "no EstimatedSize in the list of installed programs"

file -b "$installed/involute.exe" | grep -q '^PE32+ ' ||
    fail "64-bit Windows got another program than the 64-bit one: $(file -b "$installed/involute.exe")"
stripped "$installed/involute.exe" "the installed 64-bit program"
result=$(run "C:\\$first\\involute.exe" calc --format csv)
case $result in
    *62.0650079416401*12.8349709170999*) ;;
    *) fail "the installed program printed: $result" ;;
esac

# A second install without a folder goes where the first went.
run "$installer" /S || fail "installing again failed with status $?"
settle
[ -f "$installed/involute.exe" ] || fail "the second install did not find the first"
[ -z "$(find "$prefix/drive_c/users" -path '*Programs/involute*' 2>/dev/null)" ] ||
    fail "the second install went to the default folder beside the first"

# Into another folder (whose parent it makes): the first is uninstalled.
run "$installer" /S "/D=C:\\$second" || fail "installing elsewhere failed with status $?"
settle
[ ! -e "$installed" ] || fail "the install elsewhere left the first behind: $(find "$installed")"
installed="$prefix/drive_c/$parent/involute"
[ -f "$installed/involute.exe" ] || fail "the install elsewhere did not install"
run reg query "$key" /v InstallLocation | grep -qF "$second" ||
    fail "the list of installed programs does not name the new folder"

# While the program runs (reading a table from a pipe that stays open),
# neither the installer nor the uninstaller may report success.
mkfifo "$work/table"
run "C:\\$second\\involute.exe" batch - <"$work/table" >/dev/null 2>&1 &
running=$!
exec 8>"$work/table"
sleep 3
before=$(cksum <"$installed/involute.exe")
status=0
run "$installer" /S "/D=C:\\$second" || status=$?
[ "$status" -ne 0 ] || fail "the silent install over the running program reported success"
# The uninstaller copies itself to the temporary folder and exits at once,
# leaving the copy to work; _? runs it in place, so that its status shows.
status=0
run "C:\\$second\\Uninstall.exe" /S "_?=C:\\$second" || status=$?
[ "$status" -ne 0 ] || fail "the silent uninstall of the running program reported success"
run "C:\\$second\\Uninstall.exe" /S
sleep 5  # for its copy; the wine session lasts as long as the program runs
[ "$before" = "$(cksum <"$installed/involute.exe")" ] || fail "the running program's file changed"
exec 8>&-
wait "$running" || true
running=
settle
[ -f "$installed/Uninstall.exe" ] || fail "the refused uninstall took the uninstaller away"

run "C:\\$second\\Uninstall.exe" /S || fail "the uninstall failed with status $?"
settle
[ ! -e "$prefix/drive_c/$parent" ] || fail "left behind: $(find "$prefix/drive_c/$parent")"
[ ! -e "$shortcut" ] || fail "left the Start-menu entry behind"
if run reg query "$key" >/dev/null 2>&1; then
    fail "left the entry in the list of installed programs"
fi
# On 32-bit Windows (a 32-bit wine prefix) the same installer installs the
# 32-bit program.
prefix32=$prefix-win32
if [ -n "$i686_program" ]; then
    WINEARCH=win32 "$wine_run" "$prefix32" "$installer" /S "/D=C:\\$first" ||
        fail "the install on 32-bit Windows failed with status $?"
    WINEPREFIX=$prefix32 wineserver -w
    file -b "$prefix32/drive_c/$first/involute.exe" | grep -q '^PE32 .*80386' ||
        fail "32-bit Windows got another program than the 32-bit one"
    stripped "$prefix32/drive_c/$first/involute.exe" "the installed 32-bit program"
    result=$(WINEARCH=win32 "$wine_run" "$prefix32" "C:\\$first\\involute.exe" calc --format csv)
    case $result in
        *62.0650079416401*12.8349709170999*) ;;
        *) fail "the program installed on 32-bit Windows printed: $result" ;;
    esac
    WINEARCH=win32 "$wine_run" "$prefix32" "C:\\$first\\Uninstall.exe" /S
    WINEPREFIX=$prefix32 wineserver -w
    [ ! -e "$prefix32/drive_c/$first" ] || fail "left behind on 32-bit Windows: $(find "$prefix32/drive_c/$first")"
fi
echo "installer_test: installed, found again, replaced, refused while running, uninstalled without a trace"
