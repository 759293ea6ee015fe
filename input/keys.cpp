#include "keys.h"
#include "actions.h"
#include "clipboard.h"
#include "clipboardtext.h"
#include "eyedropper.h"
#include "focus.h"
#include "gesture.h"
#include "gestureend.h"
#include "keypick.h"
#include "core/color.h"
#include "core/colortext.h"
#include "res/resource.h"
#include "skin/regions.h"

const uint32_t keyStep = 10;

// Upper case raises, lower case lowers; W lightens and w darkens. Not
// while a gesture runs: the colour is the gesture's then, and the undo
// point the one from before it.
void onChar(HWND, WPARAM wp, LPARAM)
{
    if (gestureRuns())
        return;
    switch (wp) {
    case 'R': stepChannelUp(redMask, keyStep); break;
    case 'G': stepChannelUp(greenMask, keyStep); break;
    case 'B': stepChannelUp(blueMask, keyStep); break;
    case 'W': lightenColor(keyStep); break;
    case 'r': stepChannelDown(redMask, keyStep); break;
    case 'g': stepChannelDown(greenMask, keyStep); break;
    case 'b': stepChannelDown(blueMask, keyStep); break;
    case 'w': darkenColor(keyStep); break;
    }
}

// During a mouse gesture Escape cancels it, as it cancels a drag
// elsewhere, and while it picks the pick's keys act (pickKeyActs: the
// arrow keys move the pointer, for targets too small to hit by hand, and
// so on) and L ends it where it is and watches the point; the other keys
// do nothing then. Otherwise the keys work the focused control.
void onKeyDown(HWND window, WPARAM wp, LPARAM lp)
{
    bool repeat = lp & 0x40000000;
    if (!buttonDown) {
        onFocusKey(window, wp, lp);
    } else if (wp == VK_ESCAPE) {
        cancelGesture(window);
    } else if (wp == 'L' && pickerActive && !repeat) {
        watchWhenPickEnds();
        abandonGesture(window);
    } else {
        pickKeyActs(window, wp, repeat);
    }
}

// A copy takes the colour shown, also during a gesture; what would change
// the colour (a paste, the swap, an arrow's click) does nothing then.
void onCommand(HWND window, WPARAM wp, LPARAM)
{
    UINT command = LOWORD(wp);
    bool click = command >= cmdClickFirst && command < cmdClickFirst + areaCount;
    AreaId clicked = click ? AreaId(command - cmdClickFirst) : areaCount;
    if (gestureRuns() && (command == cmdPaste || command == cmdSwap || (click && isArrow(clicked))))
        return;
    switch (command) {
    case cmdCopy:
    case cmdCopyAlt:
        copyColor(window);
        break;
    case cmdPaste:
        pasteFromClipboard(window);
        break;
    case cmdSwap:
        swapColors();
        break;
    default:
        if (click)
            clickControl(window, clicked);
        break;
    }
}

void onRightButtonUp(HWND window, WPARAM, LPARAM lp)
{
    POINT p = messagePoint(lp);
    const char *text = nullptr;
    if (regionHolds(swatchRgn, p.x, p.y) || regionHolds(hexValueRgn, p.x, p.y))
        copyColor(window);
    else if (regionHolds(redValueRgn, p.x, p.y))
        text = channelDecimal[redIndex];
    else if (regionHolds(greenValueRgn, p.x, p.y))
        text = channelDecimal[greenIndex];
    else if (regionHolds(blueValueRgn, p.x, p.y))
        text = channelDecimal[blueIndex];
    if (text)
        copyTextToClipboard(window, text);
}

// A double-click on the swatch cancels the hold its first click started
// and pastes; anywhere else, and after a first click that Escape
// cancelled, the second click is a press like any other.
void onLeftButtonDoubleClick(HWND window, WPARAM wp, LPARAM lp)
{
    POINT p = messagePoint(lp);
    if (regionHolds(swatchRgn, p.x, p.y) && !pressWasCancelled()) {
        KillTimer(window, holdTimerId);
        pasteFromClipboard(window);
    } else {
        onLeftButtonDown(window, wp, lp);
    }
}
