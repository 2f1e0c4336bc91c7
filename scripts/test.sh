#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, checks the
# formatting and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-dependencies.sh

build=${INVOLUTE_BUILD_DIR:-build/ci}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINVOLUTE_WERROR=ON
cmake --build "$build"

scripts/check-format.sh

ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
