// Edge snapping of a moved window, as plain arithmetic on screen
// rectangles so that every case can be tested without a window system.
#pragma once
#include <cstdint>

struct ScreenRect {
    int32_t left, top, right, bottom;
};

struct ScreenPoint {
    int32_t x, y;
};

// Where to put a window whose unsnapped rectangle is win: each axis snaps
// to the near work-area edge when within tol pixels (equality included),
// the left or top edge taking precedence. win itself is not changed.
ScreenPoint snapWindowPosition(const ScreenRect &win, const ScreenRect &work, int32_t tol);
