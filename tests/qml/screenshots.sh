#!/usr/bin/env bash
# Screenshots of the real program (the simulated-keyboard build) on a private
# X server with a compositor, as a user would see it on a desktop:
#   tests/qml/screenshots.sh [build folder] [output folder]
# 1-started.png: after the start-up animation; 2-settings.png: with the
# settings panel open; 3-page.png: a function page open; 4-animations-off.png:
# started with animations off; 5-skin2.png: the second skin with a page open.
# Each run starts from a fresh copy of the
# runtime tree, so the build's own configuration is never touched. The log
# of each run (with millisecond times) is kept beside the pictures.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
out="$(mkdir -p "${2:-/tmp/zr770-screenshots}" && cd "${2:-/tmp/zr770-screenshots}" && pwd)"
for tool in Xvfb xcompmgr xdotool import; do
    command -v "$tool" >/dev/null || { echo "error: $tool is missing (tools/deps.sh installs it)" >&2; exit 1; }
done
[ -x "$build/bin/zr770-sim" ] || { echo "error: $build/bin/zr770-sim is not built" >&2; exit 1; }

work="$(mktemp -d /tmp/zr770-shots.XXXXXX)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

display=":$(( 100 + RANDOM % 400 ))"
Xvfb "$display" -screen 0 1200x700x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xcompmgr >/dev/null 2>&1 &
pids+=($!)
export XDG_RUNTIME_DIR="$work/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_MESSAGE_PATTERN='%{time process} %{message}'

# Starts the program from a fresh copy of the runtime tree; $1 names the
# run; the other arguments are configuration entries to change, as
# "entry=value". Leaves the program's process id in $program.
start() {
    local run="$work/$1"
    cp -r "$build/bin" "$run"
    local setting
    for setting in "${@:2}"; do
        sed -i "s/^${setting%%=*}=.*/$setting/" "$run/modules/setting/apConfig.bin"
    done
    # The simulated keyboard's console reads stdin: a pipe held open by this
    # script keeps it waiting quietly.
    rm -f "$work/console"
    mkfifo "$work/console"
    exec 3<>"$work/console"
    "$run/zr770-sim" <"$work/console" >"$out/$1.log" 2>&1 &
    program=$!
    pids+=("$program")
}

stop() {
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    exec 3>&-
}

# Waits until the scene reports the end of its start-up (at most $1 s).
wait_started() {
    for _ in $(seq $(( $1 * 10 ))); do
        grep -q 'scene: start-up done' "$out/$2.log" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "error: the scene did not finish its start-up; see $out/$2.log" >&2
    return 1
}

shot() { import -window root "$out/$1"; }

start animated
wait_started 20 animated
sleep 0.5
shot 1-started.png
xdotool mousemove 908 25 click 1      # the settings button of the top bar
sleep 1.5
shot 2-settings.png
xdotool mousemove 908 25 click 1      # close the panel again
sleep 1.5
xdotool mousemove 80 245 click 1      # the function menu's MACRO entry
sleep 1.5
xdotool mousemove 600 650             # off the window: no hover marks
sleep 0.3
shot 3-page.png
stop

start animations-off 3=1
wait_started 10 animations-off
sleep 0.3
shot 4-animations-off.png
stop

start skin2 1=2 3=1
wait_started 10 skin2
xdotool mousemove 80 292 click 1      # the function menu's COLOR entry
sleep 0.5
xdotool mousemove 600 650
sleep 0.3
shot 5-skin2.png
stop

awk '/scene: run/ { run = $1 } /scene: start-up done/ { printf "start-up, animated: %.0f ms\n", ($1 - run) * 1000 }' "$out/animated.log"
awk '/scene: run/ { run = $1 } /scene: start-up done/ { printf "start-up, animations off: %.0f ms\n", ($1 - run) * 1000 }' "$out/animations-off.log"
echo "screenshots in $out"
