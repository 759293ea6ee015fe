#include "taking.h"
#include "clipboardtext.h"
#include "gesturestate.h"
#include "watch.h"
#include "core/color.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/history.h"
#include "core/options.h"
#include "skin/draw.h"
#include "skin/regions.h"

void takeColor(HWND window, TakenBy how, uint32_t color)
{
    color &= 0xFFFFFF;
    if (how != takenByCopy) {
        stopWatching(window);
        if (how == takenBySet || (how == takenByPick && !pickerActive))
            oldColor = curColor;
        curColor = color;
        if (window)
            paintSwatch(window, swatchRgn);
    }
    rememberColor(color);
    if (how == takenByPick)
        lastPickPlace = {true, color, cursorPos.x, cursorPos.y};
    if (how == takenByPick && copyOnPick)
        copyTextToClipboard(window, formatCopyText());
}
