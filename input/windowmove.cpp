#include "windowmove.h"
#include "snap.h"
#include "gesturestate.h"
#include "core/options.h"
#include "skin/fatal.h"

RECT windowRect;
RECT workArea;

// The monitor whose work area a move snaps to, while windowRect lies wholly
// on it: asking the system for the nearest monitor costs a fifth of a
// millisecond under Wine, and a rectangle wholly on one monitor is nearest
// to that one. Forgotten at every refresh.
static RECT moveMonitor;
// Where the window truly is during a move, snapped: set at every refresh
// and by every step.
static POINT placed;

void refreshWindowRects(HWND window)
{
    moveMonitor = {};
    // A minimised window's rectangle is its icon's, somewhere at the screen's
    // edge: keep the last restored one, which is where the face comes back
    // and what a close must store.
    if (!IsIconic(window) && !GetWindowRect(window, &windowRect))
        fatalFailure();
    placed = {windowRect.left, windowRect.top};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0))
        fatalFailure();
}

static ScreenRect screenRect(const RECT &r)
{
    return {r.left, r.top, r.right, r.bottom};
}

// The work area of the monitor nearest to the unsnapped windowRect, so that
// a window snaps to the edges of the monitor it is on, its taskbar included.
static void followMonitor()
{
    RECT both;
    if (IntersectRect(&both, &moveMonitor, &windowRect) && EqualRect(&both, &windowRect))
        return;
    MONITORINFO mi = {sizeof mi, {}, {}, 0};
    if (GetMonitorInfoA(MonitorFromRect(&windowRect, MONITOR_DEFAULTTONEAREST), &mi)) {
        moveMonitor = mi.rcMonitor;
        workArea = mi.rcWork;
    }
}

void moveWindowStep(HWND window, int dx, int dy)
{
    OffsetRect(&windowRect, dx, dy);
    followMonitor();
    ScreenPoint p = snapWindowPosition(screenRect(windowRect), screenRect(workArea), snapTol);
    placed = {p.x, p.y};
    MoveWindow(window, p.x, p.y, windowRect.right - windowRect.left,
               windowRect.bottom - windowRect.top, TRUE);
}

// During the move windowRect follows the pointer unsnapped; once it ends
// it takes the window's true place, so that a close stores where it is.
// Minimised, the rectangle is the icon's: the place the move last put the
// window at is the face's.
void endWindowMove(HWND window)
{
    if (IsIconic(window))
        OffsetRect(&windowRect, placed.x - windowRect.left, placed.y - windowRect.top);
    else
        GetWindowRect(window, &windowRect);
}

// windowRect, which follows every move and is already set while the window
// is being created, holds the face's place even while minimised.
void onGetMinMaxInfo(HWND, LPARAM lp)
{
    MINMAXINFO &info = *(MINMAXINFO *)lp;
    const RECT &r = windowRect;
    info.ptMaxSize = info.ptMaxTrackSize = {r.right - r.left, r.bottom - r.top};
    info.ptMaxPosition = {r.left, r.top};
}

void onWindowPosChanged(HWND window)
{
    if (IsZoomed(window)) {
        PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        return;
    }
    // While minimised the rectangle is the icon's; during the program's own
    // drag windowRect follows the pointer unsnapped.
    if (!IsIconic(window) && !dragMoving)
        GetWindowRect(window, &windowRect);
}

// Set by a minimise until the restore's own move.
static bool restoring;

void markMinimised()
{
    restoring = true;
}

void onWindowPosChanging(HWND window, LPARAM lp)
{
    WINDOWPOS &pos = *(WINDOWPOS *)lp;
    if (!restoring || IsIconic(window) || (pos.flags & SWP_NOMOVE))
        return;
    restoring = false;
    LONG x = pos.x, y = pos.y;
    int width = windowRect.right - windowRect.left, height = windowRect.bottom - windowRect.top;
    if (bringOntoWorkArea(x, y, width, height)) {
        pos.x = x;
        pos.y = y;
    }
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

void keepOnAWorkArea(HWND window)
{
    if (IsIconic(window))
        return;
    int width = windowRect.right - windowRect.left, height = windowRect.bottom - windowRect.top;
    if (bringOntoWorkArea(windowRect.left, windowRect.top, width, height)) {
        MoveWindow(window, windowRect.left, windowRect.top, width, height, TRUE);
        refreshWindowRects(window);
    }
}
