#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix; the test
# programs' emulator. Uses the display of a running test session if any.
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
[ -f "$WINEPREFIX/.tinctora-ready" ] || "$TINCTORA_ROOT/scripts/wine-prefix.sh" || exit 1
if [ -z "${DISPLAY:-}" ] && [ -f "$WINEPREFIX.display" ]; then
    export DISPLAY=$(cat "$WINEPREFIX.display")
fi
exec "$WINE" "$@"
