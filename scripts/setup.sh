#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Mordaventa
# need. Does nothing when they are all present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
    gstreamer1.0-plugins-good
    libsqlcipher-dev sqlcipher
    libfluidsynth-dev timgm6mb-soundfont
    libespeak-ng-dev espeak-ng-data
    scowl
    libbenchmark-dev
    wordnet-dev wordnet-base
    fonts-dejavu-core
    xvfb xauth
    qt6-svg-dev libpng-dev libfontconfig-dev
    desktop-file-utils appstream dpkg-dev file
    clang libclang-rt-14-dev llvm ccache
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
