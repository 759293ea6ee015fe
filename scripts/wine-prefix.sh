#!/usr/bin/env bash
# Boots the project's Wine prefix on first use: no window manager hints
# (Managed=N keeps window destruction fast without a window manager) and
# Wine's own bitmap fonts, so the stock GUI fonts exist.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.tinctora-ready" ] && exit 0

echo "Booting a Wine prefix in $WINEPREFIX ..." >&2
rm -rf "$WINEPREFIX"
DISPLAY= "$WINE" wineboot -i >/dev/null 2>&1 </dev/null
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
"$WINESERVER" -w
touch "$WINEPREFIX/.tinctora-ready"
