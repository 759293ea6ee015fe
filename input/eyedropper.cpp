#include "eyedropper.h"
#include "gesturestate.h"
#include "magnifier.h"
#include "taking.h"
#include "windowmove.h"
#include "core/color.h"
#include "skin/draw.h"
#include "skin/regions.h"
#include "skin/wine.h"

#include <cstdlib>

void (*pickBegun)(HWND window);

// Set while a sample waits to be taken again: the pointer jumped onto the
// place the magnifier had just left, where the screen may still show it.
static bool resamplePending;
// Set while the pick holds a cursor clip of its own (keepPointerGrab).
static bool clipped;
// Set while that clip is to outlast the pick's end (holdPickClip).
static bool clipHeld;
// Set once the pick has read a pixel: only then does it end with a colour.
static bool pixelTaken;

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
    takeCapture(window);
    pickerActive = 1;
    pixelTaken = false;
    oldColor = curColor;
    openMagnifier(window);
    if (pickBegun)
        pickBegun(window);
}

bool keepPickCursor()
{
    if (pickerActive)
        SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    return pickerActive;
}

// The pixel read becomes the colour; where the screen could not be read
// the last valid colour stays.
static void takePixel(COLORREF pixel)
{
    if (pixel != CLR_INVALID) {
        curColor = pixel;
        pixelTaken = true;
    }
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
    // Taken while the pick still runs, whose start set the undo point.
    if (pixelTaken)
        takeColor(window, takenByPick, curColor);
    dropPick(window);
}

void dropPick(HWND window)
{
    KillTimer(window, resampleTimerId);
    resamplePending = false;
    closeMagnifier();
    // The grab a pointer move kept for the release ends with the pick,
    // unless it is held for the release of the press that ends it.
    if (!clipHeld)
        releasePickClip();
    clipHeld = false;
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    paintSwatch(window, swatchRgn);
    pickerActive = 0;
}

void holdPickClip()
{
    clipHeld = clipped;
}

void releasePickClip()
{
    if (clipped)
        ClipCursor(nullptr);
    clipped = false;
}

// Under Wine, SetCursorPos ends the X server's grab of the pointer that the
// held button began, and a release over a window that is not Wine's (the
// bare desktop, a native program) then reaches no Wine program at all: the
// pick would wait for it for ever. A cursor clip is the one grab Wine keeps
// across SetCursorPos, and it takes none for a clip of the whole screen, so
// the clip leaves out one column at the screen's edge away from the
// pointer, until the pick ends. The same grab keeps the cross cursor over
// other programs' windows and brings the click that ends a pick from the
// keyboard to the window. Windows keeps the button's grab by itself, and
// there the pointer is left free.
static void keepPointerGrab(POINT at)
{
    if (!underWine())
        return;
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    RECT screen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                   top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    if (at.x < screen.right - 1)
        screen.right--;
    else
        screen.left++;
    // The clip is the whole desktop's: a fatal end must not leave it.
    static bool atExit;
    if (!atExit)
        atExit = !atexit(releasePickClip);
    clipped = ClipCursor(&screen);
}

void grabPickPointer()
{
    if (pickerActive && !clipped)
        keepPointerGrab(cursorPos);
}

void refreshPickClip()
{
    if (!pickerActive)
        return;
    measureScreen();
    if (!clipped)
        return;
    GetCursorPos(&cursorPos);
    keepPointerGrab(cursorPos);
}

static LONG within(LONG v, LONG low, LONG high)
{
    return v < low ? low : v >= high ? high - 1 : v;
}

// A point asked for by a nudge, held on the screen: off every monitor it
// stops at the edge of the monitor the pointer is on, and it stays inside
// the cursor's clip.
static POINT onScreen(POINT from, POINT to)
{
    MONITORINFO mi = {sizeof mi, {}, {}, 0};
    if (!MonitorFromPoint(to, MONITOR_DEFAULTTONULL) &&
        GetMonitorInfoA(MonitorFromPoint(from, MONITOR_DEFAULTTONEAREST), &mi)) {
        to.x = within(to.x, mi.rcMonitor.left, mi.rcMonitor.right);
        to.y = within(to.y, mi.rcMonitor.top, mi.rcMonitor.bottom);
    }
    RECT clip;
    if (GetClipCursor(&clip)) {
        to.x = within(to.x, clip.left, clip.right);
        to.y = within(to.y, clip.top, clip.bottom);
    }
    return to;
}

// The sample is taken where the pointer really is afterwards.
void movePickBy(HWND window, int dx, int dy)
{
    if (!pickerActive)
        return;
    GetCursorPos(&cursorPos);
    POINT to = onScreen(cursorPos, {cursorPos.x + dx, cursorPos.y + dy});
    if (buttonDown)
        keepPointerGrab(to);
    SetCursorPos(to.x, to.y);
    GetCursorPos(&cursorPos);
    lastCursor = cursorPos;
    sampleUnderPointer(window);
}
