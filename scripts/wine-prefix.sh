#!/usr/bin/env bash
# Boots the project's Wine prefix on first use: no window manager hints
# (Managed=N keeps window destruction fast without a window manager) and
# Wine's own bitmap fonts, so the stock GUI fonts exist.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.tinctora-ready" ] && [ -f "$WINEPREFIX/.tinctora-fonts" ] && exit 0

if [ ! -f "$WINEPREFIX/.tinctora-ready" ]; then
echo "Booting a Wine prefix in $WINEPREFIX ..." >&2
rm -rf "$WINEPREFIX"
DISPLAY= "$WINE" wineboot -i >/dev/null 2>&1 </dev/null
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
"$WINESERVER" -w
touch "$WINEPREFIX/.tinctora-ready"
fi

# Every language's letters: Wine's own fonts have none of Chinese,
# Japanese, Korean, Arabic, Persian or Hebrew. Its Tahoma, which menus,
# dialogs and tooltips use, links to Windows' fonts for them (a list Wine
# writes anew at each start); those names are made to stand for Debian's
# fonts that have the letters.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$fonts/"
replace='HKCU\Software\Wine\Fonts\Replacements'
for face in "MS UI Gothic" "PMingLiU" "SimSun" "Gulim"; do
    "$WINE" reg add "$replace" /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1 </dev/null
done
"$WINE" reg add "$replace" /v "Segoe UI Symbol" /t REG_SZ /d 'DejaVu Sans' /f >/dev/null 2>&1 </dev/null
"$WINESERVER" -w
touch "$WINEPREFIX/.tinctora-fonts"
