#!/usr/bin/env bash
# Writes build/screenshots/main.png: the main window after the crank-rocker preset was confirmed and
# executed, rendered offscreen. Usage: bash scripts/screenshots.sh [output-directory]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target fourbar_screenshot_main
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen build/default/tests/ui/main/fourbar_screenshot_main "$out/main.png"
