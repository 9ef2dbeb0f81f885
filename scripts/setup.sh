#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the tests need and is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libqt6svg6  # libqt6svg6 draws the SVG window icon
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-noto-cjk
    xvfb xauth x11-utils imagemagick
    desktop-file-utils dpkg-dev file libxml2-utils  # the Debian package and its install test
)

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
