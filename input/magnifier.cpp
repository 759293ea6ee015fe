#include "magnifier.h"
#include "core/sample.h"
#include "core/vision.h"
#include "skin/regions.h"

#include <cstdlib>

static const char magnifierClass[] = "tinctoraMagnifier";
const wchar_t *(*visionFilterWord)(int filter);
const int gap = 20;      // from the pointer to the near corner: clear of the cross cursor
const int drift = 8;     // how far the pointer may go before the magnifier is to follow
// Moving a window costs about a millisecond under Wine, more than a sample
// may take: the magnifier follows the pointer on a timer of its own, about
// once a frame, unless it is in the way or the pointer went to another
// monitor. Asking for a monitor costs a fifth of a millisecond; it is asked
// only when the pointer leaves the one it was on.
const UINT_PTR followTimerId = 1;
const UINT followMs = 15;

// Only while a pick runs: the pop-up and its own context, the screen's
// context and the pixels last read from it around the pointer, the pointer
// the pop-up was last placed beside and that pointer's monitor, whether a
// move is due, and the place it last left with the time it left it. Both
// contexts are kept for the pick: taking one costs a round trip under Wine,
// a good part of a sample.
static HWND magnifier;
static HDC magnifierDC;
static HDC screen;
static HDC around;
static HBITMAP aroundBitmap;
static uint32_t *aroundPixels;  // the DIB's, each 0x00RRGGBB
static int cells;  // the pixels read and shown across and down, the pointer's in the middle
static COLORREF lastSample;  // what the ring stands out against
static POINT anchor;
static MONITORINFO monitor;
static bool followDue;
static RECT vacated;
static DWORD vacatedAt;
// The virtual screen, read at the start of a pick and after a change of
// the displays: a read reaches no further.
static RECT desktop;

// The whole pop-up's side: the blocks and a one-pixel black border, at k.
static int side()
{
    return (cells * magnifierZoom + 2) * faceScale;
}

// The blocks from the pixels read around the pointer, and a ring around
// the sample's square of blocks in the colour that stands out against the
// sample.
static void drawMagnified(HDC dc, COLORREF sample)
{
    int k = faceScale, n = side(), block = magnifierZoom * k;
    PatBlt(dc, 0, 0, n, n, BLACKNESS);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, k, k, cells * block, cells * block, around, 0, 0, cells, cells, SRCCOPY);
    int light = GetRValue(sample) * 299 + GetGValue(sample) * 587 + GetBValue(sample) * 114;
    HGDIOBJ old = SelectObject(dc, GetStockObject(light > 127500 ? BLACK_BRUSH : WHITE_BRUSH));
    int inner = k + (cells / 2 - sampleSize / 2) * block, outer = inner - k;
    int square = sampleSize * block, span = square + 2 * k;
    PatBlt(dc, outer, outer, span, k, PATCOPY);
    PatBlt(dc, outer, inner + square, span, k, PATCOPY);
    PatBlt(dc, outer, inner, k, square, PATCOPY);
    PatBlt(dc, inner + square, inner, k, square, PATCOPY);
    SelectObject(dc, old);
    if (visionFilter != visionNormal && visionFilterWord) {
        // Which colour vision the blocks show, in the top-left corner.
        const wchar_t *word = visionFilterWord(visionFilter);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, OPAQUE);
        TextOutW(dc, k, k, word, lstrlenW(word));
    }
}

// monitor made the one the point is on, if it is not that already.
static void findMonitor(POINT at)
{
    if (!PtInRect(&monitor.rcMonitor, at)) {
        monitor.cbSize = sizeof monitor;
        if (!GetMonitorInfoA(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor))
            monitor.rcMonitor = monitor.rcWork = {at.x, at.y, at.x + 1, at.y + 1};
    }
}

// Below right of the pointer, on the other side of it where that would
// leave the work area of the pointer's monitor, and within it where
// neither side has room. Far enough from the pointer to leave the pixels
// read clear with room to drift, however many they are.
static POINT placeBeside(POINT at)
{
    int n = side(), k = faceScale, away = cells / 2 + drift * k;
    if (away < gap * k)
        away = gap * k;
    findMonitor(at);
    const RECT &work = monitor.rcWork;
    POINT p = {at.x + away, at.y + away};
    if (p.x + n > work.right)
        p.x = at.x - away - n;
    if (p.y + n > work.bottom)
        p.y = at.y - away - n;
    if (p.x < work.left)
        p.x = work.left;
    if (p.y < work.top)
        p.y = work.top;
    return p;
}

// Beside at, remembering the place it leaves and when.
static void moveBeside(POINT at)
{
    RECT was;
    if (IsWindowVisible(magnifier) && GetWindowRect(magnifier, &was)) {
        vacated = was;
        vacatedAt = GetTickCount();
    }
    POINT p = placeBeside(at);
    SetWindowPos(magnifier, HWND_TOPMOST, p.x, p.y, side(), side(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    anchor = at;
}

static LRESULT CALLBACK magnifierProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_TIMER: {
        KillTimer(window, followTimerId);
        followDue = false;
        POINT at;
        GetCursorPos(&at);
        moveBeside(at);
        return 0;
    }
    case WM_PAINT: {
        // Shown, resized or uncovered between samples: the pixels last read.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        drawMagnified(dc, lastSample);
        EndPaint(window, &ps);
        return 0;
    }
    }
    return DefWindowProcA(window, msg, wp, lp);
}

void registerMagnifierClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = magnifierProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_CROSS);
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    wc.lpszClassName = magnifierClass;
    RegisterClassA(&wc);
}

void measureScreen()
{
    monitor = {};
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    desktop = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
               top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The memory read into made as many pixels across as the zoom and the
// sample's square ask, if it is not that already; true when it changed. A
// DIB of its own: the pixels read keep the screen's colours exactly,
// whatever the display's format.
static bool fitCells()
{
    int n = magnifierCells(magnifierZoom, sampleSize);
    if (!around || (n == cells && aroundPixels))
        return false;
    cells = n;
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, n, -n, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HBITMAP made = CreateDIBSection(around, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    aroundPixels = (uint32_t *)bits;
    if (made) {
        SelectObject(around, made);
        DeleteObject(aroundBitmap);
        aroundBitmap = made;
    }
    return true;
}

void openMagnifier(HWND owner)
{
    measureScreen();
    followDue = false;
    vacated = {};
    screen = GetDC(nullptr);
    around = CreateCompatibleDC(nullptr);
    fitCells();
    magnifier = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE |
                                    WS_EX_TRANSPARENT,
                                magnifierClass, "", WS_POPUP, 0, 0, side(), side(), owner,
                                nullptr, (HINSTANCE)GetWindowLongPtrA(owner, GWLP_HINSTANCE),
                                nullptr);
    magnifierDC = magnifier ? GetDC(magnifier) : nullptr;
}

// The pixels a read at the point takes.
static RECT aroundRect(POINT at)
{
    return {at.x - cells / 2, at.y - cells / 2, at.x + cells / 2 + 1, at.y + cells / 2 + 1};
}

void placeMagnifier(POINT at)
{
    if (!magnifier)
        return;
    bool resized = fitCells();
    RECT was, both, pixels = aroundRect(at);
    bool shown = IsWindowVisible(magnifier) && GetWindowRect(magnifier, &was);
    int slack = drift * faceScale;
    if (!shown || resized || IntersectRect(&both, &was, &pixels) ||
        !PtInRect(&monitor.rcMonitor, at)) {
        moveBeside(at);
    } else if (!followDue && (abs(at.x - anchor.x) > slack || abs(at.y - anchor.y) > slack)) {
        followDue = true;
        SetTimer(magnifier, followTimerId, followMs, nullptr);
    }
}

UINT settleLeft(POINT at)
{
    RECT both, pixels = aroundRect(at);
    DWORD since = GetTickCount() - vacatedAt;
    if (!IntersectRect(&both, &vacated, &pixels) || since >= screenSettleMs)
        return 0;
    return screenSettleMs - since;
}

// The sample from the pixels read around the point: the mean of the pixels
// of its square that a monitor shows. The square lies on the pointer's
// monitor except at that monitor's edges, where each pixel is asked about.
static COLORREF sampleRead(POINT at)
{
    uint8_t onScreen[mostCells * mostCells];
    int half = sampleSize / 2;
    RECT square = {at.x - half, at.y - half, at.x + half + 1, at.y + half + 1}, both;
    findMonitor(at);
    bool inside = IntersectRect(&both, &square, &monitor.rcMonitor) && EqualRect(&both, &square);
    for (int y = -half; y <= half; y++)
        for (int x = -half; x <= half; x++) {
            POINT p = {at.x + x, at.y + y};
            onScreen[(cells / 2 + y) * cells + cells / 2 + x] =
                inside || MonitorFromPoint(p, MONITOR_DEFAULTTONULL);
        }
    GdiFlush();
    uint32_t mean = averageSquare(aroundPixels, onScreen, cells, sampleSize);
    return mean == noSample ? CLR_INVALID : RGB(mean >> 16, mean >> 8 & 0xFF, mean & 0xFF);
}

COLORREF readAround(POINT at)
{
    // Black where the block reaches past the screen's edge; only the part
    // on the screen is read, since under Wine a read that reaches past it
    // reads nothing at all.
    fitCells();
    PatBlt(around, 0, 0, cells, cells, BLACKNESS);
    RECT wanted = aroundRect(at), part;
    if (!screen || !aroundPixels || !IntersectRect(&part, &wanted, &desktop) ||
        !BitBlt(around, part.left - wanted.left, part.top - wanted.top, part.right - part.left,
                part.bottom - part.top, screen, part.left, part.top, SRCCOPY))
        return CLR_INVALID;
    lastSample = sampleRead(at);
    // What a person with the chosen colour vision would see, drawn from
    // here on; the sample above is the colour as it is.
    if (visionFilter != visionNormal)
        filterPixels(aroundPixels, cells * cells, visionFilter);
    if (magnifierDC && IsWindowVisible(magnifier))
        drawMagnified(magnifierDC, lastSample);
    return lastSample;
}

bool zoomMagnifier(int notches)
{
    int zoom = zoomedBy(magnifierZoom, notches);
    if (zoom == magnifierZoom)
        return false;
    magnifierZoom = zoom;
    fitCells();
    rescaleMagnifier();
    return true;
}

void rescaleMagnifier()
{
    if (!magnifier || !IsWindowVisible(magnifier))
        return;
    POINT at;
    GetCursorPos(&at);
    moveBeside(at);
}

void hideMagnifier()
{
    if (magnifier)
        ShowWindow(magnifier, SW_HIDE);
}

void closeMagnifier()
{
    if (magnifier)
        DestroyWindow(magnifier);
    magnifier = nullptr;
    magnifierDC = nullptr;
    if (screen)
        ReleaseDC(nullptr, screen);
    screen = nullptr;
    DeleteDC(around);
    DeleteObject(aroundBitmap);
    around = nullptr;
    aroundBitmap = nullptr;
    aroundPixels = nullptr;
    cells = 0;
}
