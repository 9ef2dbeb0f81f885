#!/usr/bin/env bash
# Installs what is missing, builds one target, and prints the build directory it is in.
# Usage: bash scripts/build-target.sh TARGET   (BUILD_DIR=<dir> builds there instead of the
# default preset's directory)
set -euo pipefail
cd "$(dirname "$0")/.."
target="$1"

bash scripts/setup.sh >&2
if [ -n "${BUILD_DIR:-}" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
    build="$BUILD_DIR"
else
    cmake --preset default >&2
    build=build/default
fi
cmake --build "$build" -j "$(nproc)" --target "$target" >&2
echo "$build"
