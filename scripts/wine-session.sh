#!/usr/bin/env bash
# start: a virtual display on a free number, a persistent wineserver for the
# project's prefix (each Wine launch then costs tens of milliseconds instead
# of seconds) and one idle Wine process that keeps the desktop alive.
# stop: ends exactly those, by PID and through this prefix's wineserver.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
state="$WINEPREFIX.session"

case "${1:-}" in
start)
    "$TINCTORA_ROOT/scripts/wine-prefix.sh"
    [ -f "$state" ] && "$0" stop
    fifo=$(mktemp -u); mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    xvfb=$!
    read -r -t 20 num <"$fifo" || { echo "Xvfb did not start" >&2; kill $xvfb; exit 1; }
    rm -f "$fifo"
    echo ":$num" >"$WINEPREFIX.display"
    echo "xvfb=$xvfb" >"$state"
    "$WINESERVER" -p >/dev/null 2>&1 </dev/null
    keeper=${2:-}
    if [ -n "$keeper" ]; then
        DISPLAY=":$num" "$WINE" "$keeper" idle >/dev/null 2>&1 </dev/null &
        echo "keeper=$!" >>"$state"
        DISPLAY=":$num" timeout 60 "$WINE" "$keeper" warmup >/dev/null 2>&1 </dev/null || true
    fi
    echo "Test display :$num, Wine prefix $WINEPREFIX" >&2
    ;;
stop)
    if [ -f "$state" ]; then
        source "$state"
        [ -n "${keeper:-}" ] && kill "$keeper" 2>/dev/null || true
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
        [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
        rm -f "$state" "$WINEPREFIX.display"
    fi
    ;;
*)
    echo "usage: $0 start [keeper.exe] | stop" >&2
    exit 2
    ;;
esac
