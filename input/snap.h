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

// Whether a window of w by h pixels at (x, y) shows any pixel inside work.
bool showsAnyPixel(int32_t x, int32_t y, int32_t w, int32_t h, const ScreenRect &work);
// The place nearest to (x, y) where a window of w by h pixels lies wholly
// inside work; in a work area smaller than the window, its left and top
// edges meet the work area's.
ScreenPoint nearestPlaceInside(int32_t x, int32_t y, int32_t w, int32_t h, const ScreenRect &work);
