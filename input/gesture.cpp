#include "gesture.h"
#include "actions.h"
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
POINT cursorPos;
POINT lastCursor;

// Set while onLeftButtonUp releases the capture itself, so the capture
// notice that ReleaseCapture sends is not taken for a lost capture.
static bool releasing;

POINT messagePoint(LPARAM lp)
{
    POINT p = {(LONG)(lp & 0xFFFF), (LONG)((lp >> 16) & 0xFFFF)};
    return p;
}

// The title buttons and then the arrows, in the order a press tests them.
static const AreaId buttonOrder[12] = {
    closeId, minId, topId, snapId,
    redDownId, redUpId, greenDownId, greenUpId, blueDownId, blueUpId, darkenId, lightenId,
};

static ButtonRecord &buttonOf(AreaId id)
{
    return id < firstArrowId ? titleButtons[id] : arrowButtons[id - firstArrowId];
}

// The held arrow, or areaCount when none is.
static AreaId heldArrow()
{
    for (int i = 0; i < arrowButtonCount; i++)
        if (arrowButtons[i].pressed)
            return AreaId(firstArrowId + i);
    return areaCount;
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
    bool hit = false;
    for (AreaId id : buttonOrder)
        if (regionHolds(buttonOf(id).region, p.x, p.y)) {
            buttonOf(id).pressed = 1;
            drawLit(dc, buttonOf(id).region);
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
        AreaId held = heldArrow();
        if (held != areaCount) {
            // A hand, a touchpad or a pen trembles: until a move has gone
            // sideways the press is still a click. The first that has
            // makes it a drag, from the colour before it.
            if (undoArmed && dx != 0) {
                oldColor = curColor;
                undoArmed = 0;
            }
            // Both arrows of a pair alike: right raises, left lowers.
            if (!undoArmed)
                stepArrow(held, dx >= 0, dx >= 0 ? (uint32_t)dx : (uint32_t)-(int64_t)dx);
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

// Puts any still-pressed arrow back to rest. An arrow pressed but released
// over something else would otherwise stay lit and turn the next gesture's
// moves into colour steps.
static void releaseArrows(HDC dc)
{
    for (ButtonRecord &b : arrowButtons)
        if (b.pressed) {
            b.pressed = 0;
            drawNormal(dc, b.region);
        }
}

void finishGesture(HWND window, HDC dc)
{
    releaseArrows(dc);
    undoArmed = 1;
    unwatchGesture(window);
}

// Ends a held arrow's drag: its normal look back and no click.
static bool endArrowDrag(HDC dc)
{
    if (undoArmed || heldArrow() == areaCount)
        return false;
    releaseArrows(dc);
    return true;
}

// The control under the release acts, as a click on it would.
static void clickAt(HWND window, POINT p)
{
    for (AreaId id : buttonOrder)
        if (regionHolds(buttonOf(id).region, p.x, p.y)) {
            clickControl(window, id);
            return;
        }
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
        clickAt(window, messagePoint(lp));
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
