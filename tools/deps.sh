#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need,
# or, given package names, just those. Only what is missing is installed; as
# root directly, otherwise through sudo.
#   bash tools/deps.sh [package ...]
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-declarative-dev qt6-multimedia-dev
    libhidapi-dev libudev-dev libx11-dev libxi-dev libxtst-dev libxkbcommon-dev
    # run time: the scene, sounds, rendering
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
    qml6-module-qtmultimedia qml6-module-qttest
    gstreamer1.0-plugins-good gstreamer1.0-plugins-base
    libgl1-mesa-dri libglx-mesa0 libegl-mesa0
    # a font with the scene's 【 】 brackets and the Chinese language packs' texts
    fonts-wqy-microhei
    # shipped data made at build time: sounds and the Persian font; the
    # generator of the definition files, which a test runs
    sox libsox-fmt-mp3 fonts-farsiweb python3
    # headless tests: X server, input injection, screenshots
    xvfb xauth xdotool x11-apps imagemagick
    # a compositor, so the translucent window shows as it does on a desktop
    xcompmgr
)
if [ $# -gt 0 ]; then
    packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "error: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
