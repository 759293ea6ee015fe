#include "snap.h"

// Distances are taken in 64 bits so that far-off positions (possible from
// edited settings) cannot overflow.
static bool within(int32_t a, int32_t b, int32_t tol)
{
    int64_t d = (int64_t)a - (int64_t)b;
    return (d < 0 ? -d : d) <= tol;
}

ScreenPoint snapWindowPosition(const ScreenRect &win, const ScreenRect &work, int32_t tol)
{
    ScreenPoint p = {win.left, win.top};
    if (within(win.left, work.left, tol))
        p.x = work.left;
    else if (within(win.right, work.right, tol))
        p.x = work.right - (win.right - win.left);
    if (within(win.top, work.top, tol))
        p.y = work.top;
    else if (within(win.bottom, work.bottom, tol))
        p.y = work.bottom - (win.bottom - win.top);
    return p;
}
