#!/usr/bin/env bash
# Builds everything and runs every test. `scripts/test.sh asan` does the same under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

bash scripts/setup.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
