#include "draw.h"
#include "announce.h"
#include "fatal.h"
#include "focusring.h"
#include "layout.h"
#include "regions.h"
#include "core/color.h"
#include "core/colortext.h"
#include "core/options.h"

HBITMAP skinBitmap;
HDC skinDC;
HDC backBuffer;
HBITMAP backBufferBitmap;

static HBITMAP scaledSkin;  // the skin enlarged k times, when k is above 1
static HFONT readoutFont;
static int readoutAscent;   // the font's rows above its baseline

static void drawFrame(HDC dc, HRGN region, SkinFrame frame)
{
    int k = faceScale;
    SelectClipRgn(dc, region);
    BitBlt(dc, 0, 0, faceWidth * k, faceHeight * k, skinDC, frame * k, 0, SRCCOPY);
}

void drawLit(HDC dc, HRGN region)
{
    drawFrame(dc, region, litFrame);
}

void drawNormal(HDC dc, HRGN region)
{
    drawFrame(dc, region, normalFrame);
}

// Always the whole face, whatever the window's rectangle says just then.
static void copyBackBuffer(HDC dc, HRGN region)
{
    SelectClipRgn(dc, region);
    BitBlt(dc, 0, 0, faceWidth * faceScale, faceHeight * faceScale, backBuffer, 0, 0, SRCCOPY);
}

void restoreFromBackBuffer(HWND window, HRGN region)
{
    HDC dc = GetDC(window);
    if (!dc)
        return;
    copyBackBuffer(dc, region);
    ReleaseDC(window, dc);
}

// One readout text on its baseline at face point (x, baseline), clipped to
// its well's rectangle.
static void drawReadout(HDC dc, AreaId well, int x, int baseline, const char *text, int length)
{
    int k = faceScale;
    const FaceRect &w = faceAreas[well];
    RECT clip = {w.left * k, w.top * k, w.right * k, w.bottom * k};
    ExtTextOutA(dc, x * k, baseline * k - readoutAscent, ETO_CLIPPED, &clip, text, length,
                nullptr);
}

void paintSwatch(HWND window, HRGN region)
{
    HDC dc = windowDC(window);
    // Only the three channel bytes: a top byte (possible from edited
    // settings) would make GDI read the value as a palette index.
    HBRUSH brush = CreateSolidBrush(curColor & 0xFFFFFF);
    FillRgn(dc, region, brush);
    copyBackBuffer(dc, readoutsRgn);

    // Each text stands on its baseline, 11 face rows below the top-left
    // point the wells were drawn for, and is clipped to its own well: ink
    // outside it would never be cleared, ink in a neighbour's clutters it.
    SelectObject(dc, readoutFont);
    SetTextColor(dc, RGB(10, 10, 10));
    SetBkMode(dc, TRANSPARENT);
    static const int decimalBaseline[3] = {79, 92, 104};
    for (int c = redIndex; c <= blueIndex; c++)
        drawReadout(dc, AreaId(redValueId + c), 32, decimalBaseline[c],
                    formatChannelDecimal(ChannelIndex(c)), 3);
    formatColorHex();
    static const int pairX[3] = {19, 36, 52};
    char pair[4];
    for (int c = redIndex; c <= blueIndex; c++)
        drawReadout(dc, hexValueId, pairX[c], 121, formatChannelHex(ChannelIndex(c), pair), 2);
    redrawFocusRingOnReadouts(dc);

    DeleteObject(brush);
    ReleaseDC(window, dc);
    announceShownColor(window);
}

unsigned windowDpi(HWND window)
{
    // GetDpiForWindow came with Windows 10; the exe must start without it.
    typedef UINT(WINAPI * DpiForWindow)(HWND);
    DpiForWindow dpiForWindow =
        (DpiForWindow)(void *)GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow");
    if (window && dpiForWindow)
        return dpiForWindow(window);
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// A font's metrics as the context would draw it; zeros when they cannot be had.
static TEXTMETRICA metricsOf(HDC dc, HFONT font)
{
    TEXTMETRICA tm = {};
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    return tm;
}

// The wells were made for the 13-pixel MS Sans Serif, the stock variable
// pitch font at 96 dots per inch, and take it wherever it exists at that
// size. Enlarged, or where the system has only its large-font set (from
// 120 dots per inch up its smallest size is 16 pixels, too tall for the
// wells), the readouts take Tahoma at k times the size, not anti-aliased,
// so that the digits stay as crisp as the skin.
static HFONT makeReadoutFont(HDC dc, int k)
{
    if (k == 1) {
        HFONT small = CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, "MS Sans Serif");
        if (metricsOf(dc, small).tmHeight == 13)
            return small;
        DeleteObject(small);
    }
    return CreateFontA(-11 * k, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                       DEFAULT_PITCH, "Tahoma");
}

// skinDC with the skin at the face's scale, every skin pixel a k by k block;
// backBuffer with the face at rest; the readout font.
static void makeSurfaces(HDC dc)
{
    int k = faceScale;
    skinDC = CreateCompatibleDC(dc);
    if (k == 1) {
        SelectObject(skinDC, skinBitmap);
    } else {
        scaledSkin = CreateCompatibleBitmap(dc, 2 * faceWidth * k, faceHeight * k);
        SelectObject(skinDC, scaledSkin);
        HDC image = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(image, skinBitmap);
        SetStretchBltMode(skinDC, COLORONCOLOR);
        StretchBlt(skinDC, 0, 0, 2 * faceWidth * k, faceHeight * k, image, 0, 0, 2 * faceWidth,
                   faceHeight, SRCCOPY);
        SelectObject(image, old);
        DeleteDC(image);
    }
    backBuffer = CreateCompatibleDC(dc);
    backBufferBitmap = CreateCompatibleBitmap(dc, faceWidth * k, faceHeight * k);
    SelectObject(backBuffer, backBufferBitmap);
    BitBlt(backBuffer, 0, 0, faceWidth * k, faceHeight * k, skinDC, 0, 0, SRCCOPY);
    if (snapTol != 0)
        drawLit(backBuffer, snapBtn.region);
    if (alwyOnTop)
        drawLit(backBuffer, topBtn.region);
    readoutFont = makeReadoutFont(backBuffer, k);
    readoutAscent = metricsOf(backBuffer, readoutFont).tmAscent;
}

// Everything makeSurfaces made; each context goes before its bitmap, so no
// bitmap is deleted while selected.
static void freeSurfaces()
{
    DeleteDC(skinDC);
    DeleteObject(scaledSkin);
    DeleteDC(backBuffer);
    DeleteObject(backBufferBitmap);
    DeleteObject(readoutFont);
    skinDC = backBuffer = nullptr;
    scaledSkin = backBufferBitmap = nullptr;
    readoutFont = nullptr;
}

// The outline goes to the window system, which frees the shape it replaces.
static void applyOutline(HWND window, BOOL redraw)
{
    SetWindowRgn(window, outlineRgn, redraw);
    outlineRgn = nullptr;
}

void createSurfaces(HWND window)
{
    HDC dc = GetDC(window);
    // Created on a monitor whose scale differs from the system's, the
    // window takes that monitor's scale at once.
    int k = scaleForDpi(windowDpi(window));
    if (k != faceScale) {
        scaleRegions(k);
        SetWindowPos(window, nullptr, 0, 0, faceWidth * k, faceHeight * k,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    applyOutline(window, FALSE);
    makeSurfaces(dc);
    if (alwyOnTop)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ReleaseDC(window, dc);
}

void rescaleFace(HWND window, int k)
{
    scaleRegions(k);
    HDC dc = GetDC(window);
    freeSurfaces();
    makeSurfaces(dc);
    ReleaseDC(window, dc);
    applyOutline(window, FALSE);
}

void onPaint(HWND window)
{
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    restoreFromBackBuffer(window, faceRgn);
    paintSwatch(window, swatchRgn);
    drawFocusRing(window);
    EndPaint(window, &ps);
}

void deleteSurfaces()
{
    freeSurfaces();
    DeleteObject(skinBitmap);
    skinBitmap = nullptr;
}
