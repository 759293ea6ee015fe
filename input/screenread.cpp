#include "screenread.h"
#include "core/sample.h"

HBITMAP makeBlockBitmap(HDC into, int side, uint32_t **pixels)
{
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HBITMAP made = CreateDIBSection(into, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    *pixels = made ? (uint32_t *)bits : nullptr;
    return made;
}

// The mean of the pixels of the square that a monitor shows. The square
// lies on the point's monitor except at that monitor's edges, where each
// pixel is asked about.
static COLORREF sampleRead(const uint32_t *pixels, int side, const RECT &monitor, POINT at)
{
    uint8_t onScreen[mostCells * mostCells];
    int half = sampleSize / 2;
    RECT square = {at.x - half, at.y - half, at.x + half + 1, at.y + half + 1}, both;
    bool inside = IntersectRect(&both, &square, &monitor) && EqualRect(&both, &square);
    for (int y = -half; y <= half; y++)
        for (int x = -half; x <= half; x++) {
            POINT p = {at.x + x, at.y + y};
            onScreen[(side / 2 + y) * side + side / 2 + x] =
                inside || MonitorFromPoint(p, MONITOR_DEFAULTTONULL);
        }
    GdiFlush();
    uint32_t mean = averageSquare(pixels, onScreen, side, sampleSize);
    return mean == noSample ? CLR_INVALID : RGB(mean >> 16, mean >> 8 & 0xFF, mean & 0xFF);
}

COLORREF readBlock(HDC source, const RECT &bounds, const RECT &monitor, HDC into,
                   const uint32_t *pixels, int side, POINT at)
{
    PatBlt(into, 0, 0, side, side, BLACKNESS);
    RECT wanted = {at.x - side / 2, at.y - side / 2, at.x + side / 2 + 1, at.y + side / 2 + 1};
    RECT part;
    if (!source || !pixels || side > mostCells || sampleSize > side || !IntersectRect(&part, &wanted, &bounds) ||
        !BitBlt(into, part.left - wanted.left, part.top - wanted.top, part.right - part.left,
                part.bottom - part.top, source, part.left, part.top, SRCCOPY))
        return CLR_INVALID;
    return sampleRead(pixels, side, monitor, at);
}
