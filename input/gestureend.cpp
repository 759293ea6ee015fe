#include "gestureend.h"
#include "eyedropper.h"
#include "gesture.h"
#include "windowmove.h"
#include "core/color.h"
#include "skin/draw.h"
#include "skin/fatal.h"
#include "skin/regions.h"

// The colour pair and the window's place at the press, for a cancel.
static uint32_t pressColor, pressOldColor;
static RECT pressPlace;

void watchGesture(HWND window)
{
    pressColor = curColor;
    pressOldColor = oldColor;
    pressPlace = windowRect;
    SetTimer(window, buttonWatchTimerId, buttonWatchMs, nullptr);
}

void unwatchGesture(HWND window)
{
    KillTimer(window, buttonWatchTimerId);
}

// GetAsyncKeyState reads the physical buttons; with the buttons swapped
// the primary one is the right.
static bool primaryButtonUp()
{
    int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return !(GetAsyncKeyState(button) & 0x8000);
}

// The release can go astray: another program or a remote-desktop client may
// swallow it, and under Wine a pointer moved by the program ends the grab
// the pressed button holds, so that the release goes to whatever window is
// under the pointer with no notice of the lost capture.
void onButtonWatchTimer(HWND window)
{
    if (!buttonDown) {
        unwatchGesture(window);
        return;
    }
    if (!primaryButtonUp())
        return;
    POINT at;
    GetCursorPos(&at);
    POINT client = at;
    ScreenToClient(window, &client);
    LPARAM lp = MAKELPARAM(client.x, client.y);
    // The moves the window missed, as one: a drag, a move or a pick goes on
    // to where the pointer is, as it would have before its release.
    if (at.x != lastCursor.x || at.y != lastCursor.y)
        onMouseMove(window, 0, lp);
    onLeftButtonUp(window, 0, lp);
}

void cancelGesture(HWND window)
{
    if (!buttonDown)
        return;
    HDC dc = windowDC(window);
    // Cleared first: the capture's loss that ReleaseCapture reports then
    // finds no gesture to end, and the release that follows acts on nothing.
    buttonDown = 0;
    ReleaseCapture();
    KillTimer(window, holdTimerId);
    bool arrowHeld = false;
    for (const ButtonRecord &b : arrowButtons)
        arrowHeld = arrowHeld || b.pressed;
    if (pickerActive || arrowHeld) {
        curColor = pressColor;
        oldColor = pressOldColor;
    }
    if (pickerActive)
        dropPick(window);
    else if (arrowHeld)
        paintSwatch(window, swatchRgn);
    if (dragMoving) {
        dragMoving = 0;
        MoveWindow(window, pressPlace.left, pressPlace.top, windowRect.right - windowRect.left,
                   windowRect.bottom - windowRect.top, TRUE);
        endWindowMove(window);
    }
    // A title button lit by the press or the hover shows its state again.
    restoreFromBackBuffer(window, titleBtnsRgn);
    finishGesture(window, dc);
    ReleaseDC(window, dc);
}
