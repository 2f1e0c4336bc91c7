#!/usr/bin/env bash
# Installs what is missing, builds the calculator and opens its window.
# Arguments go to the program (Qt options such as -style fusion).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-dependencies.sh

build=${INVOLUTE_BUILD_DIR:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target involute
exec "$build/app/involute" "$@"
