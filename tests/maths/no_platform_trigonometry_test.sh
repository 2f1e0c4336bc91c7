#!/usr/bin/env bash
# Fails when a binary imports sin, cos, tan, atan, atan2 or sincos (or their
# float and long double forms) from the platform's maths library.
#   no_platform_trigonometry_test.sh BINARY...
set -euo pipefail
status=0
for binary in "$@"; do
    symbols=$(nm -D --undefined-only "$binary")
    [[ -n $symbols ]] || { echo "$binary: no dynamic symbols read" >&2; exit 2; }
    if found=$(grep -E '\b(sin|cos|tan|atan|atan2|sincos)[fl]?(@|$)' <<<"$symbols"); then
        echo "$binary imports:" >&2
        echo "$found" >&2
        status=1
    fi
done
exit $status
