#include "gesture.h"
#include "actions.h"
#include "eyedropper.h"
#include "gestureend.h"
#include "windowmove.h"
#include "skin/fatal.h"
#include "core/color.h"
#include "skin/draw.h"
#include "skin/regions.h"

#include <cstdlib>

BYTE buttonDown;
BYTE dragMoving;
BYTE pickerActive;
POINT cursorPos;
POINT lastCursor;

// Set while the program takes or releases the capture itself, so the
// capture notice that this sends (under Wine also for a capture taken anew
// by the same window) is not taken for a lost capture.
static bool ownCaptureChange;
// The pointer's screen position at the press: an arrow's drag counts its
// sideways travel from here.
static POINT pressCursor;

void takeCapture(HWND window)
{
    ownCaptureChange = true;
    SetCapture(window);
    ownCaptureChange = false;
}

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
    takeCapture(window);
    GetCursorPos(&cursorPos);
    lastCursor = pressCursor = cursorPos;
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

// SM_CXDRAG by SM_CYDRAG centred on the press, at the face's scale.
static bool beyondDragThreshold()
{
    int halfWidth = GetSystemMetrics(SM_CXDRAG) * faceScale / 2;
    int halfHeight = GetSystemMetrics(SM_CYDRAG) * faceScale / 2;
    return abs(cursorPos.x - pressCursor.x) > halfWidth ||
           abs(cursorPos.y - pressCursor.y) > halfHeight;
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
            // A hand, a touchpad or a pen trembles: inside the system's drag
            // threshold around the press the press is still a click. The
            // first move beyond it makes it a drag, from the colour before
            // it, that counts all the sideways travel since the press.
            if (undoArmed && beyondDragThreshold()) {
                oldColor = curColor;
                undoArmed = 0;
                dx = cursorPos.x - pressCursor.x;
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

// The control under the release acts, as a click on it would. A pressed
// arrow clicks only itself: released anywhere else it was a slide, not a
// click, whatever lies under the release.
static void clickAt(HWND window, POINT p)
{
    AreaId held = heldArrow();
    if (held != areaCount) {
        if (regionHolds(buttonOf(held).region, p.x, p.y))
            clickControl(window, held);
        return;
    }
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
    ownCaptureChange = true;
    ReleaseCapture();
    ownCaptureChange = false;
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

void onCaptureChanged(HWND window, WPARAM, LPARAM)
{
    if (!ownCaptureChange)
        abandonGesture(window);
}

void abandonGesture(HWND window)
{
    if (!buttonDown)
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
