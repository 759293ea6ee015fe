#include "gesture.h"
#include "eyedropper.h"
#include "gestureend.h"
#include "windowmove.h"
#include "skin/fatal.h"
#include "core/color.h"
#include "skin/draw.h"
#include "skin/regions.h"

BYTE buttonDown;
BYTE dragMoving;
BYTE pickerActive;
BYTE alwyOnTop;
POINT cursorPos;
POINT lastCursor;

// Set while onLeftButtonUp releases the capture itself, so the capture
// notice that ReleaseCapture sends is not taken for a lost capture.
static bool releasing;

const int clickStep = 20;

POINT messagePoint(LPARAM lp)
{
    POINT p = {(LONG)(lp & 0xFFFF), (LONG)((lp >> 16) & 0xFFFF)};
    return p;
}

// What each arrow does: the channel it steps (0 for lighten and darken)
// and whether a click raises.
struct ArrowAction {
    ButtonRecord *button;
    uint32_t mask;
    bool up;
};

static const ArrowAction arrowActions[8] = {
    {&redDownBtn, redMask, false},   {&redUpBtn, redMask, true},
    {&greenDownBtn, greenMask, false}, {&greenUpBtn, greenMask, true},
    {&blueDownBtn, blueMask, false}, {&blueUpBtn, blueMask, true},
    {&darkenBtn, 0, false},          {&lightenBtn, 0, true},
};

static void stepArrow(const ArrowAction &a, bool up, uint32_t step)
{
    if (a.mask)
        up ? stepChannelUp(a.mask, step) : stepChannelDown(a.mask, step);
    else
        up ? lightenColor(step) : darkenColor(step);
}

void onLeftButtonDown(HWND window, WPARAM, LPARAM lp)
{
    HDC dc = windowDC(window);
    SetCapture(window);
    GetCursorPos(&cursorPos);
    lastCursor = cursorPos;
    buttonDown = 1;
    refreshWindowRects(window);
    watchGesture(window);
    POINT p = messagePoint(lp);
    ButtonRecord *pressOrder[12] = {&closeBtn, &minBtn, &topBtn, &snapBtn};
    for (int i = 0; i < 8; i++)
        pressOrder[4 + i] = arrowActions[i].button;
    bool hit = false;
    for (ButtonRecord *b : pressOrder)
        if (regionHolds(b->region, p.x, p.y)) {
            b->pressed = 1;
            drawLit(dc, b->region);
            hit = true;
            break;
        }
    if (!hit) {
        if (regionHolds(swatchRgn, p.x, p.y))
            SetTimer(window, holdTimerId, holdTimerMs, nullptr);
        else
            dragMoving = 1;
    }
    ReleaseDC(window, dc);
}

static void titleHover(HWND window, POINT p)
{
    HDC dc = windowDC(window);
    restoreFromBackBuffer(window, titleBtnsRgn);
    ButtonRecord *order[4] = {&closeBtn, &minBtn, &snapBtn, &topBtn};
    for (ButtonRecord *b : order)
        if (regionHolds(b->region, p.x, p.y)) {
            drawLit(dc, b->region);
            break;
        }
    ReleaseDC(window, dc);
}

// Only the hover draws here; a drag, a move or a pick draws through its own
// operations, and a window context taken for every move would cost each
// of them a round trip.
void onMouseMove(HWND window, WPARAM, LPARAM lp)
{
    if (buttonDown) {
        GetCursorPos(&cursorPos);
        int dx = cursorPos.x - lastCursor.x, dy = cursorPos.y - lastCursor.y;
        const ArrowAction *held = nullptr;
        for (int i = 0; i < 8 && !held; i += 2)
            if (arrowActions[i].button->pressed || arrowActions[i + 1].button->pressed)
                held = &arrowActions[i];
        if (held) {
            if (undoArmed) {
                oldColor = curColor;
                undoArmed = 0;
            }
            stepArrow(*held, dx >= 0, dx >= 0 ? (uint32_t)dx : (uint32_t)-(int64_t)dx);
        } else if (dragMoving) {
            moveWindowStep(window, dx, dy);
        } else if (pickerActive) {
            sampleUnderPointer(window);
        } else {
            titleHover(window, messagePoint(lp));
        }
        lastCursor = cursorPos;
    }
}

// Both toggles put their new look on the screen and into backBuffer, so
// repaints and the hover restore show the option's state.
static void showToggle(HDC dc, ButtonRecord &b, bool on)
{
    if (on) {
        drawLit(dc, b.region);
        drawLit(backBuffer, b.region);
    } else {
        drawNormal(dc, b.region);
        drawNormal(backBuffer, b.region);
    }
}

static void toggleOnTop(HWND window, HDC dc)
{
    alwyOnTop = topBtn.pressed = alwyOnTop ? 0 : 1;
    SetWindowPos(window, alwyOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
    showToggle(dc, topBtn, alwyOnTop);
}

static void toggleSnap(HDC dc)
{
    snapTol = snapTol != 0 ? 0 : 8;
    snapBtn.pressed = snapTol != 0;
    showToggle(dc, snapBtn, snapTol != 0);
}

// Ends a held arrow's drag: its normal look back and no click.
static bool endArrowDrag(HDC dc)
{
    if (undoArmed)
        return false;
    for (const ArrowAction &a : arrowActions)
        if (a.button->pressed) {
            a.button->pressed = 0;
            drawNormal(dc, a.button->region);
            return true;
        }
    return false;
}

// Puts any still-pressed arrow back to rest. An arrow pressed but released
// over something else would otherwise stay lit and turn the next gesture's
// moves into colour steps.
static void releaseArrows(HDC dc)
{
    for (const ArrowAction &a : arrowActions)
        if (a.button->pressed) {
            a.button->pressed = 0;
            drawNormal(dc, a.button->region);
        }
}

void finishGesture(HWND window, HDC dc)
{
    releaseArrows(dc);
    undoArmed = 1;
    unwatchGesture(window);
}

static void clickAt(HWND window, HDC dc, POINT p)
{
    static const int clickOrder[8] = {1, 0, 3, 2, 5, 4, 7, 6};  // up arrow before down
    for (int i : clickOrder) {
        const ArrowAction &a = arrowActions[i];
        if (regionHolds(a.button->region, p.x, p.y)) {
            a.button->pressed = 0;
            drawNormal(dc, a.button->region);
            stepArrow(a, a.up, clickStep);
            return;
        }
    }
    if (regionHolds(closeBtn.region, p.x, p.y))
        SendMessageA(window, WM_DESTROY, 0, 0);
    else if (regionHolds(minBtn.region, p.x, p.y))
        CloseWindow(window);
    else if (regionHolds(topBtn.region, p.x, p.y))
        toggleOnTop(window, dc);
    else if (regionHolds(snapBtn.region, p.x, p.y))
        toggleSnap(dc);
}

void onLeftButtonUp(HWND window, WPARAM, LPARAM lp)
{
    // A release with no press of ours before it (the press went to another
    // window, or our capture was lost since) acts on nothing: a control
    // acts only when both its press and its release were ours.
    if (!buttonDown)
        return;
    HDC dc = windowDC(window);
    releasing = true;
    ReleaseCapture();
    releasing = false;
    buttonDown = 0;
    if (dragMoving) {
        dragMoving = 0;
        endWindowMove(window);
    } else if (pickerActive) {
        endPick(window);
    } else if (!endArrowDrag(dc)) {
        clickAt(window, dc, messagePoint(lp));
    }
    finishGesture(window, dc);
    ReleaseDC(window, dc);
}

void onCaptureChanged(HWND window, WPARAM, LPARAM lp)
{
    if (releasing || !buttonDown || (HWND)lp == window)
        return;
    HDC dc = windowDC(window);
    buttonDown = 0;
    if (dragMoving) {
        dragMoving = 0;
        endWindowMove(window);
    }
    if (pickerActive)
        endPick(window);
    finishGesture(window, dc);
    ReleaseDC(window, dc);
}
