#!/usr/bin/env bash
# Builds the Windows low-level hooks of the global input module with the
# mingw-w64 cross compiler and runs their test under Wine with injected input
# (SendInput). Installs its own packages (about 1 GB with Wine; not part of
# tools/deps.sh). Exit code 0 when every case passed.
#
#   bash tools/wine-hooks-test.sh [build folder, default build-wine]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
build="${1:-build-wine}"

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
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
fi

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
