#!/usr/bin/env bash
# Installs, from Debian's packages, whatever is missing.
# Usage: bash scripts/setup.sh run    what building and running the programs need
#        bash scripts/setup.sh test   that, and what the tests, benchmarks and package checks need
set -euo pipefail
purpose="${1:-}"

run_packages=(
    build-essential cmake ninja-build
    pkg-config            # Qt's CMake files look up some of its libraries with it
    qt6-base-dev libgl-dev
    libqt6svg6            # draws the SVG window icon
    qt6-translations-l10n # Qt's own Chinese texts of the standard dialogs
    fonts-liberation2 fonts-noto-cjk
    fonts-droid-fallback  # the PDF report's font
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth x11-utils imagemagick   # the smoke test under a real X server
    poppler-utils                      # reading the PDF reports back
    dpkg-dev file lintian              # building the Debian package and checking it
    desktop-file-utils libxml2-utils groff-base  # the menu entry, the icon, the manual pages
)

case "$purpose" in
    run) packages=("${run_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    *)
        echo "usage: bash scripts/setup.sh run|test" >&2
        exit 2
        ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
