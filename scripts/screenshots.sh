#!/usr/bin/env bash
# Writes the README tour's pictures of the four windows for the crank-rocker preset, rendered
# offscreen by tools/fourbar-screenshots: form1-main, form3-diagrams, form4-table, form2-range,
# form2-demonstration and form2-coupler-path (.png).
# Usage: bash scripts/screenshots.sh [output-directory]   (default docs/tour)
# BUILD_DIR=<dir> builds in that directory instead of the default preset's.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/tour}"

build="$(bash scripts/build-target.sh run fourbar-screenshots)"
mkdir -p "$out"

# Scale settings of the caller's desktop would change the pictures' size; the offscreen platform
# does not support raise(), which the window switches call, so that warning is dropped.
env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI -u QT_ENABLE_HIGHDPI_SCALING \
    QT_QPA_PLATFORM=offscreen "$build/tools/fourbar-screenshots" "$out" \
    2> >(grep -v -e 'does not support raise()' -e 'does not support propagateSizeHints()' \
        -e 'XDG_RUNTIME_DIR not set' >&2)
