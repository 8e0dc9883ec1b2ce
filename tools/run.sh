#!/usr/bin/env bash
# Installs what is missing, lets the user open the keyboard without root,
# builds the program and launches it (build/bin/zr770). Arguments are passed
# on to the program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

bash tools/deps.sh

# The udev rule that gives the user at the seat access to the keyboard's
# hidraw nodes; installed once, as root or through sudo.
install_udev_rule() {
    local source="resources/udev/70-zr770.rules"
    local target="/etc/udev/rules.d/70-zr770.rules"
    [ -e "$target" ] && return 0
    [ -d /etc/udev/rules.d ] || return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "note: cannot install $target (neither root nor sudo): opening the keyboard may need root" >&2
            return 0
        fi
        as_root=(sudo)
    fi
    echo "Installing $target"
    "${as_root[@]}" install -m 0644 "$source" "$target"
    if command -v udevadm >/dev/null 2>&1; then
        "${as_root[@]}" udevadm control --reload-rules 2>/dev/null || true
        "${as_root[@]}" udevadm trigger --subsystem-match=hidraw 2>/dev/null || true
    fi
}
install_udev_rule

jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target zr770 zr_runtime_tree

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "error: no display (DISPLAY or WAYLAND_DISPLAY is not set); start it from a desktop session" >&2
    exit 1
fi
exec build/bin/zr770 "$@"
