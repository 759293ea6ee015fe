#include "eyedropper.h"
#include "gesture.h"
#include "magnifier.h"
#include "windowmove.h"
#include "core/color.h"
#include "skin/draw.h"
#include "skin/regions.h"

// Set while a sample waits to be taken again: the pointer jumped onto the
// place the magnifier had just left, where the screen may still show it.
static bool resamplePending;

// The pixel at the pointer as the screen shows it, and the magnifier
// beside it. A window's own surface would not do: with desktop composition
// a browser's or any GPU-drawn window's reads black or white, a stretched
// window's is not in screen pixels, and a covered window's is not what the
// user sees. CLR_INVALID when the screen cannot be read there.
static COLORREF readScreenAtPointer(HWND window)
{
    if (placeMagnifier(cursorPos)) {
        resamplePending = true;
        SetTimer(window, resampleTimerId, screenSettleMs, nullptr);
    }
    HDC screen = GetDC(nullptr);
    if (!screen)
        return CLR_INVALID;
    COLORREF pixel = GetPixel(screen, cursorPos.x, cursorPos.y);
    showMagnified(screen, cursorPos, pixel);
    ReleaseDC(nullptr, screen);
    return pixel;
}

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
        openMagnifier(window);
        readScreenAtPointer(window);
    }
    KillTimer(window, holdTimerId);
}

// The pixel at the pointer becomes the colour; where the screen cannot be
// read the last valid colour stays.
static void takeScreenPixel(HWND window)
{
    COLORREF pixel = readScreenAtPointer(window);
    if (pixel != CLR_INVALID)
        curColor = pixel;
}

void sampleUnderPointer(HWND window)
{
    takeScreenPixel(window);
    paintSwatch(window, pickPreviewRgn);
}

void onResampleTimer(HWND window)
{
    KillTimer(window, resampleTimerId);
    resamplePending = false;
    if (pickerActive)
        sampleUnderPointer(window);
}

void endPick(HWND window)
{
    closeMagnifier();
    // The last sample may have read where the magnifier had been: read
    // that pixel once more, with the magnifier gone.
    if (resamplePending) {
        KillTimer(window, resampleTimerId);
        resamplePending = false;
        takeScreenPixel(window);
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    paintSwatch(window, swatchRgn);
    pickerActive = 0;
}

void movePickBy(HWND window, int dx, int dy)
{
    if (!pickerActive)
        return;
    GetCursorPos(&cursorPos);
    cursorPos.x += dx;
    cursorPos.y += dy;
    SetCursorPos(cursorPos.x, cursorPos.y);
    lastCursor = cursorPos;
    sampleUnderPointer(window);
}
