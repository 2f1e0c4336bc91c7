#!/bin/sh
# The import gate: every function a shipped .exe imports must be in the list
# of allowed imports, and the list may only hold functions that Windows 7 SP1
# already has; what is newer is looked up at run time
# (ui/win32/dpi_functions.h), or the loader refuses the whole program there.
#   imports_test.sh OBJDUMP ALLOWED_IMPORTS PROGRAM.exe...
set -eu
if [ $# -lt 3 ]; then
    echo "usage: imports_test.sh OBJDUMP ALLOWED_IMPORTS PROGRAM.exe..." >&2
    exit 2
fi
objdump=$1
allowed=$2
shift 2

status=0
for program in "$@"; do
    # objdump -p lists each DLL's imports under "DLL Name:", one
    # "vma hint name" row each, until a blank line.
    "$objdump" -p "$program" |
        awk '/DLL Name:/ { dll = $3; next }
             dll != "" && NF == 0 { dll = "" }
             dll != "" && /^\t[0-9a-f]+\t/ { print dll, $3 }' |
        sort -u |
        awk -v program="$program" -v list="$allowed" '
            BEGIN {
                # Windows 7 and 7 SP1 are both 6.1: SP1 added no functions
                # the program could want.
                newest = 6.1
                while ((getline line < list) > 0) {
                    if (line ~ /^#/ || line ~ /^[ \t]*$/) continue
                    split(line, field, /[ \t]+/)
                    key = tolower(field[1]) " " field[2]
                    if (field[3] + 0 > newest) {
                        printf "%s: %s %s needs Windows %s, newer than Windows 7 SP1 (6.1)\n", list, field[1], field[2], field[3]
                        bad = 1
                    }
                    version[key] = field[3]
                }
            }
            {
                key = tolower($1) " " $2
                if (!(key in version)) {
                    printf "%s imports %s from %s, which is not in %s\n", program, $2, $1, list
                    bad = 1
                }
                ++count
            }
            END {
                if (count == 0) { printf "%s: no imports found\n", program; exit 1 }
                if (bad) exit 1
                printf "%s: %d imports, all in Windows 7 SP1\n", program, count
            }' || status=1
done
exit "$status"
