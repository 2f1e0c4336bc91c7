#!/usr/bin/env bash
# The man page names exactly the options that --help names.
# Usage: man_page_test.sh INVOLUTE_BINARY MAN_PAGE_SOURCE
set -euo pipefail
binary=$1
page=$2
options() { grep -oE -- '(^|[ ,(\[])-(-[a-z][a-z-]*|[a-z])\b' | grep -oE -- '-.*' | sort -u; }
from_help=$(env -u DISPLAY "$binary" --help | options)
from_page=$(MANWIDTH=200 man -l "$page" 2>/dev/null | col -b | options)
if [[ "$from_help" != "$from_page" ]]; then
    echo "options differ between --help (<) and the man page (>):"
    diff <(echo "$from_help") <(echo "$from_page") || true
    exit 1
fi
echo "man page and --help agree on: $(echo $from_help)"
