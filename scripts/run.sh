#!/usr/bin/env bash
# Sets up, builds and starts tinctora.exe under Wine. On a desktop it runs
# on the desktop until closed; on a machine without a display it runs in a
# virtual display, saves a screenshot, closes the window and says so.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target tinctora
scripts/wine-prefix.sh
exe=build/windows/tinctora.exe

if [ -n "${DISPLAY:-}" ]; then
    echo "Starting $exe under Wine on $DISPLAY"
    exec scripts/wine-run.sh "$exe"
fi

source scripts/env.sh
fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r -t 20 num <"$fifo"; rm -f "$fifo"
export DISPLAY=":$num"
# Wine's own server ends by itself once the program has gone.
cleanup() { kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT

"$WINE" "$exe" >/dev/null 2>&1 </dev/null &
app=$!
window=$(timeout 60 xdotool search --sync --name '^Tinctora$' | head -n 1)
sleep 1
python3 scripts/screenshot.py build/tinctora-screenshot.png 0 0 83 132
echo "No display here: Tinctora ran in the virtual display $DISPLAY (window $window)."
echo "Screenshot of its window: build/tinctora-screenshot.png"
xdotool mousemove 40 100 windowfocus --sync "$window" key alt+F4
status=0
wait "$app" || status=$?
echo "Closed with Alt+F4; exit status $status."
