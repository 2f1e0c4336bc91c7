#!/usr/bin/env bash
# Installs the Debian packages in scripts/packages.txt (or in the list given
# as the argument) that are missing. Runs apt-get update once, and only when
# something has to be installed. While another program holds the package
# manager's lock, waits for it (up to INVOLUTE_APT_LOCK_SECONDS, default 300)
# instead of failing at once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list=${1:-$here/packages.txt}

missing=()
while read -r package; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done <"$list"

if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if ((EUID != 0)); then
    sudo=(sudo)
fi
lock_seconds=${INVOLUTE_APT_LOCK_SECONDS:-300}

# apt has no option to wait for the package lists' lock that update takes:
# try again while another program holds it.
update_package_lists() {
    local deadline=$((SECONDS + lock_seconds)) errors
    errors=$(mktemp)
    until "${sudo[@]}" apt-get update -qq 2>"$errors"; do
        if ! grep -q 'Could not get lock' "$errors" || ((SECONDS >= deadline)); then
            cat "$errors" >&2
            rm -f "$errors"
            return 1
        fi
        echo "Waiting for another program to release the package lists..."
        sleep 5
    done
    cat "$errors" >&2
    rm -f "$errors"
}

echo "Installing: ${missing[*]}"
# A package of another architecture (wine32:i386) needs that architecture
# known to dpkg before the package lists are read.
for package in "${missing[@]}"; do
    if [[ "$package" == *:* ]]; then
        architecture=${package#*:}
        if [[ "$architecture" != "$(dpkg --print-architecture)" ]] &&
            ! dpkg --print-foreign-architectures | grep -qx "$architecture"; then
            "${sudo[@]}" dpkg --add-architecture "$architecture"
        fi
    fi
done
update_package_lists
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o "DPkg::Lock::Timeout=$lock_seconds" \
    install -y -qq --no-install-recommends "${missing[@]}"
