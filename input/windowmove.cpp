#include "windowmove.h"
#include "snap.h"
#include "app/fatal.h"

RECT windowRect;
RECT workArea;
LONG snapTol = 8;

void refreshWindowRects(HWND window)
{
    if (!GetWindowRect(window, &windowRect))
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
