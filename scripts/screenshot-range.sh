#!/usr/bin/env bash
# Writes PNG pictures of the animation window's range of motion for the crank-rocker, rocker-crank
# and first double-rocker presets: `scripts/screenshot-range.sh [directory]` (default shots/).
# BUILD_DIR=<dir> uses that build directory instead of the default preset's.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="$(realpath -m "${1:-shots}")"

if [ -n "${BUILD_DIR:-}" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    build="$BUILD_DIR"
else
    cmake --preset default >/dev/null
    build=build/default
fi
cmake --build "$build" --target animation_picture_test
mkdir -p "$dir"
FOURBAR_SHOTS="$dir" QT_QPA_PLATFORM=offscreen \
    "$build/tests/ui/animation/animation_picture_test" rangeScreenshot
ls "$dir"/range-*.png
