#include "draw.h"
#include "layout.h"
#include "regions.h"
#include "fatal.h"
#include "core/color.h"
#include "core/colortext.h"
#include "input/gesture.h"
#include "input/windowmove.h"

HBITMAP skinBitmap;
HDC skinDC;
HDC backBuffer;
HBITMAP backBufferBitmap;

static void drawFrame(HDC dc, HRGN region, SkinFrame frame)
{
    SelectClipRgn(dc, region);
    BitBlt(dc, 0, 0, faceWidth, faceHeight, skinDC, frame, 0, SRCCOPY);
}

void drawLit(HDC dc, HRGN region)
{
    drawFrame(dc, region, litFrame);
}

void drawNormal(HDC dc, HRGN region)
{
    drawFrame(dc, region, normalFrame);
}

void restoreFromBackBuffer(HWND window, HRGN region)
{
    HDC dc = GetDC(window);
    if (!dc)
        return;
    SelectClipRgn(dc, region);
    BitBlt(dc, 0, 0, faceWidth, faceHeight, backBuffer, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

void paintSwatch(HWND window, HRGN region)
{
    HDC dc = windowDC(window);
    // Only the three channel bytes: a top byte (possible from edited
    // settings) would make GDI read the value as a palette index.
    HBRUSH brush = CreateSolidBrush(curColor & 0xFFFFFF);
    FillRgn(dc, region, brush);
    restoreFromBackBuffer(window, readoutsRgn);

    // The texts stay inside their wells: the stock font is taller on
    // displays set to large fonts, and ink outside a well is never cleared.
    SelectClipRgn(dc, readoutsRgn);
    SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SetTextColor(dc, RGB(10, 10, 10));
    SetBkMode(dc, TRANSPARENT);
    static const int decimalY[3] = {68, 81, 93};
    for (int c = redIndex; c <= blueIndex; c++)
        TextOutA(dc, 32, decimalY[c], formatChannelDecimal(ChannelIndex(c)), 3);
    formatColorHex();
    static const int pairX[3] = {19, 36, 52};
    char pair[4];
    for (int c = redIndex; c <= blueIndex; c++)
        TextOutA(dc, pairX[c], 110, formatChannelHex(ChannelIndex(c), pair), 2);

    DeleteObject(brush);
    ReleaseDC(window, dc);
}

void createSurfaces(HWND window)
{
    HDC dc = GetDC(window);
    refreshWindowRects(window);
    SetWindowRgn(window, outlineRgn, FALSE);
    skinDC = CreateCompatibleDC(dc);
    SelectObject(skinDC, skinBitmap);
    backBuffer = CreateCompatibleDC(dc);
    backBufferBitmap = CreateCompatibleBitmap(dc, faceWidth, faceHeight);
    SelectObject(backBuffer, backBufferBitmap);
    BitBlt(backBuffer, 0, 0, faceWidth, faceHeight, skinDC, 0, 0, SRCCOPY);
    if (snapTol != 0)
        drawLit(backBuffer, snapBtn.region);
    if (alwyOnTop) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        drawLit(backBuffer, topBtn.region);
    }
    ReleaseDC(window, dc);
}

void onPaint(HWND window)
{
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    restoreFromBackBuffer(window, faceRgn);
    paintSwatch(window, swatchRgn);
    EndPaint(window, &ps);
}

// Each context goes before its bitmap, so no bitmap is deleted while selected.
void deleteSurfaces()
{
    DeleteDC(skinDC);
    DeleteObject(skinBitmap);
    DeleteDC(backBuffer);
    DeleteObject(backBufferBitmap);
    skinDC = backBuffer = nullptr;
    skinBitmap = backBufferBitmap = nullptr;
}
