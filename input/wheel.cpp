#include "wheel.h"
#include "actions.h"
#include "gesturestate.h"
#include "keypick.h"
#include "skin/regions.h"

// What a high-resolution wheel has turned short of a whole notch; a turn
// the other way starts again from nothing.
static int wheelRest;

void onMouseWheel(HWND window, WPARAM wp, LPARAM lp)
{
    if (buttonDown && !pickerActive)
        return;
    // The pointer's screen position, signed: a monitor left of or above the
    // primary one has negative coordinates.
    POINT p = {(short)LOWORD(lp), (short)HIWORD(lp)};
    ScreenToClient(window, &p);
    int k = faceScale;
    AreaId control = p.x < 0 || p.y < 0 ? areaCount : controlAt(p.x / k, p.y / k);
    if (!pickerActive && rowArrow(control) == areaCount)
        return;
    int delta = GET_WHEEL_DELTA_WPARAM(wp);
    if ((delta < 0) != (wheelRest < 0))
        wheelRest = 0;
    wheelRest += delta;
    int notches = wheelRest / WHEEL_DELTA;
    wheelRest %= WHEEL_DELTA;
    if (pickerActive && (GET_KEYSTATE_WPARAM(wp) & MK_CONTROL))
        sizePick(window, notches);
    else if (pickerActive)
        zoomPick(window, notches);
    else if (notches)
        stepRow(control, notches > 0, notches > 0 ? notches : -notches);
}
