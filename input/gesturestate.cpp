#include "gesturestate.h"

BYTE buttonDown;
BYTE dragMoving;
BYTE pickerActive;
POINT cursorPos;
POINT lastCursor;

// Set while the program takes or releases the capture itself, so the
// capture notice that this sends (under Wine also for a capture taken anew
// by the same window) is not taken for a lost capture.
static bool ownCaptureChange;
// Set from the program's SetCapture until it lets go or loses it.
static bool holding;

bool gestureRuns()
{
    return buttonDown || pickerActive;
}

POINT messagePoint(LPARAM lp)
{
    POINT p = {(LONG)(lp & 0xFFFF), (LONG)((lp >> 16) & 0xFFFF)};
    return p;
}

void takeCapture(HWND window)
{
    ownCaptureChange = true;
    SetCapture(window);
    ownCaptureChange = false;
    holding = true;
}

void releaseOwnCapture(HWND window)
{
    if (holding && GetCapture() == window) {
        ownCaptureChange = true;
        ReleaseCapture();
        ownCaptureChange = false;
    }
    holding = false;
}

bool captureTakenAway()
{
    if (ownCaptureChange)
        return false;
    holding = false;
    return true;
}
