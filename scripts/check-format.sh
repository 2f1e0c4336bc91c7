#!/usr/bin/env bash
# Fails when clang-format would change a tracked C++ file.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ((${#files[@]} == 0)); then
    exit 0
fi
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files clean"
