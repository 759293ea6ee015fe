#include "windowmove.h"
#include "snap.h"
#include "skin/fatal.h"

RECT windowRect;
RECT workArea;
LONG snapTol = 8;

void refreshWindowRects(HWND window)
{
    // A minimised window's rectangle is its icon's, somewhere at the screen's
    // edge: keep the last restored one, which is where the face comes back
    // and what a close must store.
    if (!IsIconic(window) && !GetWindowRect(window, &windowRect))
        fatalFailure();
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0))
        fatalFailure();
}

static ScreenRect screenRect(const RECT &r)
{
    return {r.left, r.top, r.right, r.bottom};
}

void moveWindowStep(HWND window, int dx, int dy)
{
    OffsetRect(&windowRect, dx, dy);
    ScreenPoint p = snapWindowPosition(screenRect(windowRect), screenRect(workArea), snapTol);
    MoveWindow(window, p.x, p.y, windowRect.right - windowRect.left,
               windowRect.bottom - windowRect.top, TRUE);
}

// During the move windowRect follows the pointer unsnapped; once it ends
// it takes the window's true place, so that a close stores where it is.
void endWindowMove(HWND window)
{
    GetWindowRect(window, &windowRect);
}

struct Placement {
    int32_t x, y, width, height;
    bool shown;
};

static BOOL CALLBACK showsOnMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    Placement &p = *(Placement *)data;
    MONITORINFO mi = {sizeof mi, {}, {}, 0};
    if (GetMonitorInfoA(monitor, &mi) &&
        showsAnyPixel(p.x, p.y, p.width, p.height, screenRect(mi.rcWork)))
        p.shown = true;
    return !p.shown;
}

bool bringOntoWorkArea(LONG &x, LONG &y, int width, int height)
{
    Placement p = {x, y, width, height, false};
    EnumDisplayMonitors(nullptr, nullptr, showsOnMonitor, (LPARAM)&p);
    if (p.shown)
        return false;
    // The far corner in 64 bits, held to the coordinate range: a stored
    // position may lie anywhere.
    auto farEdge = [](LONG pos, int size) {
        int64_t end = (int64_t)pos + size;
        return (LONG)(end > INT32_MAX ? INT32_MAX : end);
    };
    RECT r = {x, y, farEdge(x, width), farEdge(y, height)};
    MONITORINFO mi = {sizeof mi, {}, {}, 0};
    if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi))
        return false;
    ScreenPoint to = nearestPlaceInside(x, y, width, height, screenRect(mi.rcWork));
    x = to.x;
    y = to.y;
    return true;
}
