#include "eyedropper.h"
#include "gesturestate.h"
#include "magnifier.h"
#include "stillscreen.h"
#include "taking.h"
#include "watch.h"
#include "windowmove.h"
#include "core/color.h"
#include "core/options.h"
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
// When the pick last read the screen.
static DWORD sampledAt;
// Set from F until the still copy is taken.
static bool freezeDue;
// Set once the pick has taken a colour and gone on, which a cancel keeps.
static bool wentOn;
static uint32_t wentOnWith;
// Set by L: the pick's point is watched once it ends.
static bool watchAfter;

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
        if (freezeScreen)
            takeStillScreen(window);
        beginPick(window);
        readScreenAtPointer(window);
    }
    KillTimer(window, holdTimerId);
}

void beginPick(HWND window)
{
    stopWatching(window);
    SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    takeCapture(window);
    pickerActive = 1;
    pixelTaken = wentOn = watchAfter = freezeDue = false;
    oldColor = curColor;
    // The copy first: under Wine a window made later lies above it.
    showStillScreen();
    openMagnifier(window);
    SetTimer(window, restTimerId, restMs, nullptr);
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

// Nothing while the still copy is due: the magnifier stays hidden for it.
// The preview already shows a colour that did not change.
void sampleUnderPointer(HWND window)
{
    if (freezeDue)
        return;
    uint32_t shown = curColor;
    takePixel(readScreenAtPointer(window));
    sampledAt = GetTickCount();
    if (curColor != shown)
        paintSwatch(window, pickPreviewRgn);
}

// A hold on the swatch not yet moved has read no pixel: only its magnifier
// is read again, and it ends with no colour.
void onRestTimer(HWND window)
{
    if (!pickerActive || stillScreenDC() || freezeDue || GetTickCount() - sampledAt < restMs)
        return;
    if (pixelTaken) {
        sampleUnderPointer(window);
    } else {
        readScreenAtPointer(window);
        sampledAt = GetTickCount();
    }
}

void takeAndGoOn(HWND window)
{
    if (!pickerActive)
        return;
    sampleUnderPointer(window);
    if (!pixelTaken)
        return;
    takeColor(window, takenByPick, curColor);
    wentOn = true;
    wentOnWith = curColor;
}

void putBackPickStart(uint32_t color, uint32_t previous)
{
    curColor = wentOn ? wentOnWith : color;
    oldColor = wentOn ? color : previous;
}

void watchWhenPickEnds()
{
    watchAfter = true;
}

void switchStillScreen(HWND window)
{
    if (!pickerActive)
        return;
    if (stillScreenDC()) {
        dropStillScreen();
        sampleUnderPointer(window);
        return;
    }
    freezeDue = !freezeDue;
    if (freezeDue) {
        closeMagnifier();
        SetTimer(window, freezeTimerId, screenSettleMs, nullptr);
    } else {
        onFreezeTimer(window);
    }
}

// The magnifier made again once the copy shows, since under Wine the copy
// would lie above the one made before it.
void onFreezeTimer(HWND window)
{
    KillTimer(window, freezeTimerId);
    if (!pickerActive)
        return;
    if (freezeDue && takeStillScreen(window))
        showStillScreen();
    freezeDue = false;
    openMagnifier(window);
    sampleUnderPointer(window);
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
    // show what lies below, which takes at most screenSettleMs. Ended
    // while a still copy was due, the pick keeps the colour last read.
    if (resamplePending) {
        Sleep(settleLeft(cursorPos));
        takePixel(readAround(cursorPos));
    }
    // Taken while the pick still runs, whose start set the undo point.
    if (pixelTaken)
        takeColor(window, takenByPick, curColor);
    if (pixelTaken && watchAfter && !stillScreenDC())
        startWatching(window, cursorPos);
    dropPick(window);
}

void dropPick(HWND window)
{
    KillTimer(window, resampleTimerId);
    KillTimer(window, restTimerId);
    KillTimer(window, freezeTimerId);
    resamplePending = freezeDue = wentOn = watchAfter = false;
    dropStillScreen();
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
