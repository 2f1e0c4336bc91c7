#!/usr/bin/env bash
# Each man page names exactly the options that --help names.
# Usage: man_page_test.sh INVOLUTE_BINARY MAN_PAGE_SOURCE...
set -euo pipefail
binary=$1
shift
options() { grep -oE -- '(^|[ ,(\[])-(-[a-z][a-z-]*|[a-z])\b' | grep -oE -- '-.*' | sort -u; }
from_help=$(env -u DISPLAY "$binary" --help | options)
status=0
for page in "$@"; do
    # UTF-8 output whatever the caller's locale, so a Chinese page renders.
    from_page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -b | options)
    if [[ "$from_help" != "$from_page" ]]; then
        echo "options differ between --help (<) and $page (>):"
        diff <(echo "$from_help") <(echo "$from_page") || true
        status=1
    else
        echo "$page and --help agree on: $(echo $from_help)"
    fi
done
exit "$status"
