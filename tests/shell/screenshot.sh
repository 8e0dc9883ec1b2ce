#!/usr/bin/env bash
# Starts the program against the simulated keyboard under a private Xvfb,
# waits until the scene has started, takes a screenshot of the screen, quits
# through the tray's action and checks that the window was drawn.
# Usage: screenshot.sh <zr770-sim> <shipped tree> <output png>
set -euo pipefail
program="$1"; tree="$2"; shot="$3"

work="$(mktemp -d /tmp/zr770-shot.XXXXXX)"
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/app" "$work/elsewhere" "$work/xdg"
chmod 700 "$work/xdg"
cp -r "$tree"/. "$work/app/"
cp "$program" "$work/app/"

# A private display: Xvfb picks a free number and writes it to the fd.
exec 5> "$work/display"
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
display=":$(cat "$work/display")"

mkfifo "$work/console"
(
    cd "$work/elsewhere"
    DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/xdg" \
        QT_LOGGING_RULES="zr.shell.debug=true
zr.bridge.debug=true" \
        exec "$work/app/$(basename "$program")" <"$work/console" >"$work/out.log" 2>&1
) &
app_pid=$!
exec 6> "$work/console"

for _ in $(seq 200); do
    grep -q "scene call: run" "$work/out.log" 2>/dev/null && break
    sleep 0.05
done
grep -q "scene call: run" "$work/out.log" || { cat "$work/out.log"; echo "the scene did not start" >&2; exit 1; }
sleep 3  # the start-up animation
DISPLAY="$display" import -window root "$shot"

echo quit >&6
status=0
wait "$app_pid" || status=$?
app_pid=""
exec 6>&-
if [ "$status" -ne 0 ]; then
    cat "$work/out.log"
    echo "the program ended with exit code $status" >&2
    exit 1
fi

# Drawn: the window's area holds more than a handful of colours.
colours="$(convert "$shot" -crop 1000x600+0+0 +repage -format '%k' info:)"
echo "screenshot $shot: $colours colours in the window area"
[ "$colours" -gt 8 ] || { echo "the window looks empty" >&2; exit 1; }
