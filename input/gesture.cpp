#include "gesture.h"
#include "actions.h"
#include "eyedropper.h"
#include "gestureend.h"
#include "keypick.h"
#include "windowmove.h"
#include "skin/fatal.h"
#include "core/color.h"
#include "skin/draw.h"
#include "skin/regions.h"

#include <cstdlib>

// The pointer's screen position at the press: an arrow's drag counts its
// sideways travel from here.
static POINT pressCursor;
// The menu's request, while it waits for the button to be let go.
static UINT menuMessage;
static WPARAM menuWparam;
static LPARAM menuRequest;

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

// The press's screen place is the message's, read signed: the pointer may
// have moved on before the press is handled, and the moves count their
// travel from it.
void onLeftButtonDown(HWND window, WPARAM, LPARAM lp)
{
    HDC dc = windowDC(window);
    takeCapture(window);
    POINT p = messagePoint(lp);
    cursorPos = {(short)LOWORD(lp), (short)HIWORD(lp)};
    ClientToScreen(window, &cursorPos);
    lastCursor = pressCursor = cursorPos;
    buttonDown = 1;
    refreshWindowRects(window);
    watchGesture(window);
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

// Half of SM_CXDRAG sideways from the press, at the face's scale. Only
// sideways travel steps the colour, so only it makes a drag: a slip up or
// down leaves a click a click.
static bool beyondDragThreshold()
{
    return abs(cursorPos.x - pressCursor.x) > GetSystemMetrics(SM_CXDRAG) * faceScale / 2;
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

// Whether the release ends a held arrow's drag, which clicks nothing.
static bool arrowDragged()
{
    return !undoArmed && heldArrow() != areaCount;
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
    releaseOwnCapture(window);
    buttonDown = 0;
    if (dragMoving) {
        dragMoving = 0;
        endWindowMove(window);
    } else if (pickerActive) {
        endPick(window);
    } else if (!arrowDragged()) {
        clickAt(window, messagePoint(lp));
    }
    finishGesture(window, dc);
    ReleaseDC(window, dc);
}

void onCaptureChanged(HWND window, WPARAM, LPARAM)
{
    if (captureTakenAway())
        abandonGesture(window);
}

void abandonGesture(HWND window)
{
    cancelKeyPick(window);
    releaseOwnCapture(window);
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

bool menuWaitsForRelease(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    bool menu = msg == WM_CONTEXTMENU || (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_KEYMENU);
    if (!menu || !buttonDown)
        return false;
    menuMessage = msg;
    menuWparam = wp;
    menuRequest = lp;
    abandonGesture(window);
    SetTimer(window, menuWaitTimerId, buttonWatchMs, nullptr);
    return true;
}

void onMenuWaitTimer(HWND window)
{
    if (!buttonsUp())
        return;
    KillTimer(window, menuWaitTimerId);
    PostMessageA(window, menuMessage, menuWparam, menuRequest);
    menuMessage = 0;
}

bool menuWaitRuns()
{
    return menuMessage != 0;
}
