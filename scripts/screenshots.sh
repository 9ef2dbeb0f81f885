#!/usr/bin/env bash
# Writes the README tour's pictures of the windows for the crank-rocker preset, rendered offscreen
# by tools/fourbar-screenshots: form1-main, form3-diagrams, form4-table, form2-range,
# form2-demonstration, form2-coupler-path and form5-design (.png); then the first two pages of that preset's PDF
# report, written by `fourbar --report` and rendered by poppler's pdftoppm: report-page1 and
# report-page2 (.png).
# Usage: bash scripts/screenshots.sh [output-directory]   (default docs/tour)
# BUILD_DIR=<dir> builds in that directory instead of the default preset's.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/tour}"

if ! command -v pdftoppm >/dev/null; then
    echo "screenshots.sh: pdftoppm not found; it draws the report's pages." \
        "Install poppler-utils, e.g. with: bash scripts/setup.sh test" >&2
    exit 1
fi

build="$(bash scripts/build-target.sh run fourbar-screenshots)"
bash scripts/build-target.sh run fourbar >/dev/null
mkdir -p "$out"

# Scale settings of the caller's desktop would change the pictures' size; the offscreen platform
# does not support raise(), which the window switches call, so that warning is dropped.
env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI -u QT_ENABLE_HIGHDPI_SCALING \
    QT_QPA_PLATFORM=offscreen "$build/tools/fourbar-screenshots" "$out" \
    2> >(grep -v -e 'does not support raise()' -e 'does not support propagateSizeHints()' \
        -e 'XDG_RUNTIME_DIR not set' >&2)

# The report is dated by SOURCE_DATE_EPOCH (2026-01-01), so that its pages are the same every run.
report="$(mktemp -d)"
trap 'rm -rf "$report"' EXIT
SOURCE_DATE_EPOCH=1767225600 "$build/app/fourbar" --report "$report/report.pdf" 150 220 250 300 100 -1
for page in 1 2; do
    pdftoppm -r 60 -f "$page" -l "$page" -singlefile -png "$report/report.pdf" "$out/report-page$page"
    echo "$out/report-page$page.png"
done
