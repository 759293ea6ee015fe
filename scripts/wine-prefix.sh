#!/usr/bin/env bash
# Boots the project's Wine prefix on first use: no window manager hints
# (Managed=N keeps window destruction fast without a window manager) and
# Wine's own bitmap fonts, so the stock GUI fonts exist.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.tinctora-ready" ] && [ -f "$WINEPREFIX/.tinctora-fonts-2" ] && exit 0

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
# Japanese, Korean or Hebrew. Its Tahoma, which menus, dialogs and tooltips
# use, links to Windows' fonts for them (a list Wine writes anew at each
# start); those names are made to stand for Debian's fonts that have the
# letters. Started in Arabic or Persian, Wine's dialog font is Microsoft
# Sans Serif, which it lacks: DejaVu Sans stands for it, as Wine joins
# Arabic letters only in a text's own font (through a link they come
# apart). Started in Hebrew it is Tahoma, set anew for each locale: the
# tests' use_locale sees to that one. Liberation Sans, Wine's Arial, gets
# the links too.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
   /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf "$fonts/"
links='DejaVuSans.ttf,DejaVu Sans\0DejaVuSans-Bold.ttf,DejaVu Sans Bold\0wqy-microhei.ttc,WenQuanYi Micro Hei'
"$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v "Liberation Sans" /t REG_MULTI_SZ /d "$links" /f >/dev/null 2>&1 </dev/null

replace='HKCU\Software\Wine\Fonts\Replacements'
for face in "MS UI Gothic" "PMingLiU" "SimSun" "Gulim"; do
    "$WINE" reg add "$replace" /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1 </dev/null
done
for face in "Segoe UI Symbol" "Microsoft Sans Serif"; do
    "$WINE" reg add "$replace" /v "$face" /t REG_SZ /d 'DejaVu Sans' /f >/dev/null 2>&1 </dev/null
done
"$WINESERVER" -w
touch "$WINEPREFIX/.tinctora-fonts-2"
