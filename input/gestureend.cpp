#include "gestureend.h"
#include "eyedropper.h"
#include "gesturestate.h"
#include "windowmove.h"
#include "core/color.h"
#include "skin/draw.h"
#include "skin/fatal.h"
#include "skin/regions.h"

// The colour pair and the window's place at the press, for a cancel.
static uint32_t pressColor, pressOldColor;
static RECT pressPlace;
// Set by a cancel until the next press, which is then no double-click's
// second click.
static bool cancelled;

// A press that touch or a pen made, promoted to mouse messages, and one
// held by ClickLock, hold the button with no physical press to read.
static bool buttonReadable()
{
    const DWORD signatureMask = 0xFFFFFF00, penOrTouch = 0xFF515700;
    BOOL clickLock = FALSE;
    SystemParametersInfoA(SPI_GETMOUSECLICKLOCK, 0, &clickLock, 0);
    return ((DWORD)GetMessageExtraInfo() & signatureMask) != penOrTouch && !clickLock;
}

void watchGesture(HWND window)
{
    pressColor = curColor;
    pressOldColor = oldColor;
    pressPlace = windowRect;
    cancelled = false;
    if (buttonReadable())
        SetTimer(window, buttonWatchTimerId, buttonWatchMs, nullptr);
}

bool pressWasCancelled()
{
    return cancelled;
}

void unwatchGesture(HWND window)
{
    KillTimer(window, buttonWatchTimerId);
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

// GetAsyncKeyState reads the physical buttons, and with the buttons
// swapped Windows reports the primary one as the right while Wine goes on
// reporting it as the left: then the release is read only once neither is
// down. Unswapped, only the left counts: Wine leaves the right reported
// down after a right click whose release reached no window of Wine's (one
// that cancels a pick from the keyboard over the bare desktop), and a wait
// on it would never end.
bool buttonsUp()
{
    bool leftUp = !(GetAsyncKeyState(VK_LBUTTON) & 0x8000);
    return leftUp && (!GetSystemMetrics(SM_SWAPBUTTON) || !(GetAsyncKeyState(VK_RBUTTON) & 0x8000));
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
    if (!buttonsUp())
        return;
    POINT at;
    GetCursorPos(&at);
    POINT client = at;
    ScreenToClient(window, &client);
    LPARAM lp = MAKELPARAM(client.x, client.y);
    // The moves the window missed, as one: a drag, a move or a pick goes on
    // to where the pointer is, as it would have before its release.
    if (at.x != lastCursor.x || at.y != lastCursor.y)
        SendMessageA(window, WM_MOUSEMOVE, 0, lp);
    SendMessageA(window, WM_LBUTTONUP, 0, lp);
}

void cancelGesture(HWND window)
{
    if (!buttonDown)
        return;
    HDC dc = windowDC(window);
    // Cleared first: the capture's loss that ReleaseCapture reports then
    // finds no gesture to end, and the release that follows acts on nothing.
    buttonDown = 0;
    cancelled = true;
    releaseOwnCapture(window);
    KillTimer(window, holdTimerId);
    bool arrowHeld = false;
    for (const ButtonRecord &b : arrowButtons)
        arrowHeld = arrowHeld || b.pressed;
    if (pickerActive) {
        putBackPickStart(pressColor, pressOldColor);
        dropPick(window);
    } else if (arrowHeld) {
        curColor = pressColor;
        oldColor = pressOldColor;
        paintSwatch(window, swatchRgn);
    }
    // A minimised window keeps the place it is restored at.
    if (dragMoving && !IsIconic(window)) {
        MoveWindow(window, pressPlace.left, pressPlace.top, windowRect.right - windowRect.left,
                   windowRect.bottom - windowRect.top, TRUE);
    }
    if (dragMoving) {
        dragMoving = 0;
        endWindowMove(window);
    }
    // A title button lit by the press or the hover shows its state again.
    restoreFromBackBuffer(window, titleBtnsRgn);
    finishGesture(window, dc);
    ReleaseDC(window, dc);
}
