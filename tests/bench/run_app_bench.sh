#!/usr/bin/env bash
# Runs the start-up benchmark of the program under a private Xvfb (or on the
# offscreen platform when there is no Xvfb). Usage: run_app_bench.sh [build dir] [runs]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$here/build}"
runs="${2:-7}"
bench="$build/tests/bench/bench_app_startup"
cmake --build "$build" --target bench_app_startup >/dev/null

runtime="$(mktemp -d /tmp/zr770-bench-XDG.XXXXXX)"
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

if command -v Xvfb >/dev/null 2>&1; then
    exec 5> "$runtime/display"
    Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$runtime/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(cat "$runtime/display")"
    export QT_QPA_PLATFORM=xcb
    echo "platform: xcb on Xvfb $DISPLAY"
else
    export QT_QPA_PLATFORM=offscreen
    echo "platform: offscreen (no Xvfb)"
fi
"$bench" "$runs"
