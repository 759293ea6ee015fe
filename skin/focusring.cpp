#include "focusring.h"
#include "draw.h"
#include "regions.h"

AreaId focusRingControl = areaCount;

// The ring's region and the dotted brush, kept for the control and the
// scale they were made at: a key held down repaints at every repeat.
static HRGN ring;
static AreaId ringOf = areaCount;
static bool ringOnReadouts;  // whether the ring crosses a readout's well
static HBRUSH dots;
static HBITMAP dotsPattern;
static int ringScale, dotsScale;

// The control's rectangle grown by one face pixel, less the rectangle.
static HRGN ringRegion(AreaId control)
{
    if (ring && ringOf == control && ringScale == faceScale)
        return ring;
    DeleteObject(ring);
    const FaceRect &a = faceAreas[control];
    int k = faceScale;
    ring = CreateRectRgn((a.left - 1) * k, (a.top - 1) * k, (a.right + 1) * k, (a.bottom + 1) * k);
    HRGN inside = CreateRectRgn(a.left * k, a.top * k, a.right * k, a.bottom * k);
    CombineRgn(ring, ring, inside, RGN_DIFF);
    ringOnReadouts = CombineRgn(inside, ring, readoutsRgn, RGN_AND) != NULLREGION;
    DeleteObject(inside);
    ringOf = control;
    ringScale = k;
    return ring;
}

// Black and white face pixels in turn, as the system's focus rectangle
// alternates its dots: it shows on any part of the skin.
static HBRUSH dotBrush(HDC dc)
{
    if (dots && dotsScale == faceScale)
        return dots;
    DeleteObject(dots);
    DeleteObject(dotsPattern);
    int k = faceScale;
    HDC memory = CreateCompatibleDC(dc);
    dotsPattern = CreateCompatibleBitmap(dc, 2 * k, 2 * k);
    HGDIOBJ old = SelectObject(memory, dotsPattern);
    RECT all = {0, 0, 2 * k, 2 * k}, first = {0, 0, k, k}, second = {k, k, 2 * k, 2 * k};
    FillRect(memory, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    FillRect(memory, &first, (HBRUSH)GetStockObject(BLACK_BRUSH));
    FillRect(memory, &second, (HBRUSH)GetStockObject(BLACK_BRUSH));
    SelectObject(memory, old);
    DeleteDC(memory);
    dots = CreatePatternBrush(dotsPattern);
    dotsScale = k;
    return dots;
}

static void drawRing(HDC dc)
{
    SelectClipRgn(dc, nullptr);
    FillRgn(dc, ringRegion(focusRingControl), dotBrush(dc));
}

void drawFocusRing(HWND window)
{
    if (focusRingControl == areaCount)
        return;
    HDC dc = GetDC(window);
    if (dc) {
        drawRing(dc);
        ReleaseDC(window, dc);
    }
}

void redrawFocusRingOnReadouts(HDC dc)
{
    if (focusRingControl == areaCount)
        return;
    ringRegion(focusRingControl);  // ringOnReadouts for this control
    if (ringOnReadouts)
        drawRing(dc);
}

void showFocusRing(HWND window, AreaId control)
{
    if (control == focusRingControl)
        return;
    if (focusRingControl != areaCount)
        restoreFromBackBuffer(window, ringRegion(focusRingControl));
    focusRingControl = control;
    drawFocusRing(window);
}
