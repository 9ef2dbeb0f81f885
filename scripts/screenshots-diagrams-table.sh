#!/usr/bin/env bash
# Writes form3-diagrams.png (the three curves) and form4-table.png (the default listing) after the
# crank-rocker preset was executed, rendered offscreen.
# Usage: bash scripts/screenshots-diagrams-table.sh [output-directory]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-screenshots}"

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target diagrams_table_screenshots
mkdir -p "$out"
FOURBAR_SHOTS="$(cd "$out" && pwd)" QT_QPA_PLATFORM=offscreen \
    build/default/tests/ui/diagrams/diagrams_table_screenshots
