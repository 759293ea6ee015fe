#include "eyedropper.h"
#include "gesture.h"
#include "windowmove.h"
#include "core/color.h"
#include "skin/draw.h"
#include "skin/regions.h"

// Only a plain hold may become a pick: not a held arrow, whose drag may be
// passing over the swatch, and not a window move.
static bool plainHold()
{
    if (!buttonDown || dragMoving || pickerActive)
        return false;
    for (const ButtonRecord &b : arrowButtons)
        if (b.pressed)
            return false;
    return true;
}

void onHoldTimer(HWND window)
{
    GetCursorPos(&cursorPos);
    int x = cursorPos.x - windowRect.left, y = cursorPos.y - windowRect.top;
    if (plainHold() && regionHolds(swatchRgn, x, y)) {
        SetCursor(LoadCursorA(nullptr, IDC_CROSS));
        SetCapture(window);
        pickerActive = 1;
        oldColor = curColor;
    }
    KillTimer(window, holdTimerId);
}

void sampleUnderPointer(HWND window)
{
    HWND under = WindowFromPoint(cursorPos);
    if (!under)
        return;
    HDC dc = GetWindowDC(under);
    RECT r;
    GetWindowRect(under, &r);
    COLORREF pixel = GetPixel(dc, cursorPos.x - r.left, cursorPos.y - r.top);
    ReleaseDC(under, dc);
    // Where a window's pixels cannot be read the last valid colour stays.
    if (pixel != CLR_INVALID)
        curColor = pixel;
    paintSwatch(window, pickPreviewRgn);
}

void endPick(HWND window)
{
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    paintSwatch(window, swatchRgn);
    pickerActive = 0;
}
