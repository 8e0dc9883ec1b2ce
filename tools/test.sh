#!/usr/bin/env bash
# Installs what is missing, builds the program twice (warnings as errors, then
# with AddressSanitizer and UndefinedBehaviorSanitizer) and runs the whole test
# suite headless in both builds.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

bash tools/deps.sh

jobs="$(nproc 2>/dev/null || echo 2)"
runtime_dir="$(mktemp -d /tmp/zr770-test-XDG.XXXXXX)"
trap 'rm -rf "$runtime_dir"' EXIT
export XDG_RUNTIME_DIR="$runtime_dir"
export QT_QPA_PLATFORM=offscreen

run_suite() {
    local dir="$1"; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZR_WERROR=ON "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300
}

echo "== build and test: warnings as errors"
run_suite build

echo "== build and test: AddressSanitizer + UndefinedBehaviorSanitizer"
(
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    run_suite build-asan -DZR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
)
