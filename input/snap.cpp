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

// In 64 bits, as above: a stored position may lie anywhere.
bool showsAnyPixel(int32_t x, int32_t y, int32_t w, int32_t h, const ScreenRect &work)
{
    return (int64_t)x + w > work.left && x < work.right && (int64_t)y + h > work.top &&
           y < work.bottom;
}

static int32_t nearestInside(int32_t pos, int32_t size, int32_t low, int32_t high)
{
    int64_t p = pos;
    if (p + size > high)
        p = (int64_t)high - size;
    if (p < low)
        p = low;
    return (int32_t)p;
}

ScreenPoint nearestPlaceInside(int32_t x, int32_t y, int32_t w, int32_t h, const ScreenRect &work)
{
    return {nearestInside(x, w, work.left, work.right), nearestInside(y, h, work.top, work.bottom)};
}
