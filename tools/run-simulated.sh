#!/usr/bin/env bash
# Builds and launches the program against the simulated keyboard
# (build/bin/zr770-sim), so it can be tried without the hardware. The
# simulated keyboard starts with its factory state and keeps what the
# program writes while it runs; type "help" in this terminal for its
# commands (plug, unplug, a lighting change made on the keyboard, quit...).
# Arguments are passed on to the program ("--unplugged": start without it).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

bash tools/deps.sh

jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target zr770-sim zr_runtime_tree

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "error: no display (DISPLAY or WAYLAND_DISPLAY is not set); start it from a desktop session" >&2
    exit 1
fi
exec build/bin/zr770-sim "$@"
