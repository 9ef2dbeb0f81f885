#!/usr/bin/env bash
# Builds everything and runs every test. `scripts/test.sh asan` does the same under the sanitizers.
# The release run also builds the benchmarks; the sanitizer run leaves them out.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

options=()
if [ "$preset" = default ]; then
    options=(-DFOURBAR_BUILD_BENCH=ON)
fi

bash scripts/setup.sh test
cmake --preset "$preset" "${options[@]}"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
