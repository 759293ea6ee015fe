#!/bin/sh
# Starts Tinctora under Wine, in a Wine prefix of its own under the user's
# data folder; the first start creates that prefix.
set -eu

# Installed as <prefix>/bin/tinctora beside <prefix>/share/tinctora/.
here=$(dirname "$(readlink -f "$0")")
exe="$here/../share/tinctora/tinctora.exe"

if command -v wine >/dev/null 2>&1; then
    wine=wine server=wineserver
elif [ -x /usr/lib/wine/wine64 ]; then
    wine=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver64
else
    echo "tinctora: Wine is not installed (on Debian or Ubuntu: apt install wine)" >&2
    exit 1
fi

export WINEPREFIX="${XDG_DATA_HOME:-$HOME/.local/share}/tinctora/wineprefix"
# Quiet: no debug output, no offer to install Mono or Gecko, and no menu
# entries or file associations of Wine's own on the user's desktop.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [ ! -f "$WINEPREFIX/.tinctora-ready" ]; then
    mkdir -p "$WINEPREFIX"
    # Booted without a display, so no progress window shows; the boot's own
    # processes must end before the program starts, or it would inherit
    # their display-less desktop.
    DISPLAY= WAYLAND_DISPLAY= "$wine" wineboot -i >/dev/null 2>&1 </dev/null
    "$server" -w 2>/dev/null || true
    touch "$WINEPREFIX/.tinctora-ready"
fi
# The options, the standard handles and the exit status are the program's:
# the command line works through the launcher as through the exe.
exec "$wine" "$exe" "$@"
