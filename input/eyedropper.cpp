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
// beside it drawn from the same read. A window's own surface would not do:
// with desktop composition a browser's or any GPU-drawn window's reads
// black or white, a stretched window's is not in screen pixels, and a
// covered window's is not what the user sees. CLR_INVALID when the screen
// cannot be read there.
static COLORREF readScreenAtPointer(HWND window)
{
    placeMagnifier(cursorPos);
    if (UINT left = settleLeft(cursorPos)) {
        resamplePending = true;
        SetTimer(window, resampleTimerId, left, nullptr);
    }
    return readAround(cursorPos);
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
        beginPick(window);
        readScreenAtPointer(window);
    }
    KillTimer(window, holdTimerId);
}

void beginPick(HWND window)
{
    SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    SetCapture(window);
    pickerActive = 1;
    oldColor = curColor;
    openMagnifier(window);
}

// The pixel read becomes the colour; where the screen could not be read
// the last valid colour stays.
static void takePixel(COLORREF pixel)
{
    if (pixel != CLR_INVALID)
        curColor = pixel;
}

void sampleUnderPointer(HWND window)
{
    takePixel(readScreenAtPointer(window));
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
    hideMagnifier();
    // The last sample may have read where the magnifier had just been: that
    // pixel is read once more with the magnifier gone, once the screen can
    // show what lies below, which takes at most screenSettleMs.
    if (resamplePending) {
        Sleep(settleLeft(cursorPos));
        takePixel(readAround(cursorPos));
    }
    dropPick(window);
}

void dropPick(HWND window)
{
    KillTimer(window, resampleTimerId);
    resamplePending = false;
    closeMagnifier();
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
