#!/usr/bin/env bash
# Builds the Windows low-level hooks of the global input module with the
# mingw-w64 cross compiler and runs their test under Wine with injected input
# (SendInput). Installs its own packages through tools/deps.sh (about 1 GB
# with Wine, so they are not in its default list). Exit code 0 when every
# case passed.
#
#   bash tools/wine-hooks-test.sh [build folder, default build-wine]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
build="${1:-build-wine}"

bash tools/deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64

cmake -S tests/input/wine -B "$build" -G Ninja \
    -DCMAKE_SYSTEM_NAME=Windows \
    -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix \
    -DCMAKE_BUILD_TYPE=Release
cmake --build "$build"

# A Wine prefix of its own, so the user's ~/.wine is left alone; no Mono or
# Gecko download prompts, no Wine debug chatter.
export WINEPREFIX="$here/$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the Wine prefix (once)"
    wineboot --init >/dev/null 2>&1 || true
fi

echo "== running the hook test under Wine"
set +e
timeout 180 wine "$build/hooks_test.exe"
status=$?
wineserver -k >/dev/null 2>&1 || true
exit $status
