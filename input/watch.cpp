#include "watch.h"
#include "screenread.h"
#include "core/color.h"
#include "core/sample.h"
#include "skin/announce.h"
#include "skin/draw.h"
#include "skin/regions.h"

static bool on;
static POINT point;
// Kept while watching, as the pick keeps its own: taking a context costs a
// round trip under Wine.
static HDC screen;
static HDC block;
static HBITMAP blockBitmap;
static HGDIOBJ firstBitmap;
static uint32_t *blockPixels;
static int blockSide;  // the sample's side the block was made for
static RECT pointMonitor;
static bool monitorKnown;
// When screen readers were last told of the colour, and whether a change
// has come since that they have not been told of.
static DWORD toldAt;
static bool untold;

bool watching(POINT *at)
{
    if (on && at)
        *at = point;
    return on;
}

static void freeBlock()
{
    if (block && firstBitmap)
        SelectObject(block, firstBitmap);
    if (blockBitmap)
        DeleteObject(blockBitmap);
    blockBitmap = nullptr;
    firstBitmap = nullptr;
    blockPixels = nullptr;
    blockSide = 0;
}

// The block made as large as the sample's square, if it is not that already.
static bool fitBlock()
{
    if (blockSide == sampleSize && blockPixels)
        return true;
    freeBlock();
    blockBitmap = makeBlockBitmap(block, sampleSize, &blockPixels);
    if (!blockBitmap)
        return false;
    firstBitmap = SelectObject(block, blockBitmap);
    blockSide = sampleSize;
    return true;
}

void stopWatching(HWND window)
{
    if (!on)
        return;
    on = false;
    KillTimer(window, watchTimerId);
    freeBlock();
    DeleteDC(block);
    ReleaseDC(nullptr, screen);
    block = nullptr;
    screen = nullptr;
    if (untold)
        announceShownColor(window);
    untold = false;
    announceDescription(window, swatchId);
}

void startWatching(HWND window, POINT at)
{
    stopWatching(window);
    screen = GetDC(nullptr);
    block = CreateCompatibleDC(nullptr);
    on = true;
    point = at;
    monitorKnown = false;
    toldAt = GetTickCount();
    if (!screen || !block || !fitBlock()) {
        stopWatching(window);
        return;
    }
    SetTimer(window, watchTimerId, watchMs, nullptr);
    announceDescription(window, swatchId);
}

void watchDisplaysChanged()
{
    monitorKnown = false;
}

// Set by coverOf when a window of the program's lies over the square.
static BOOL CALLBACK coverOf(HWND window, LPARAM lp)
{
    RECT &square = *(RECT *)lp, r, both;
    if (IsWindowVisible(window) && GetWindowRect(window, &r) && IntersectRect(&both, &r, &square)) {
        square = {};
        return FALSE;
    }
    return TRUE;
}

// The face itself, its tooltip or a menu of its own over the point would
// be read as the point's colour.
static bool coveredByOwnWindow()
{
    int half = sampleSize / 2;
    RECT square = {point.x - half, point.y - half, point.x + half + 1, point.y + half + 1};
    EnumThreadWindows(GetCurrentThreadId(), coverOf, (LPARAM)&square);
    return IsRectEmpty(&square);
}

void onWatchTimer(HWND window)
{
    if (!on) {
        KillTimer(window, watchTimerId);
        return;
    }
    if (!monitorKnown) {
        MONITORINFO mi = {sizeof mi, {}, {}, 0};
        HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONULL);
        if (!monitor || !GetMonitorInfoA(monitor, &mi)) {
            stopWatching(window);
            return;
        }
        pointMonitor = mi.rcMonitor;
        monitorKnown = true;
    }
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    RECT desktop = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    COLORREF seen = CLR_INVALID;
    if (fitBlock() && !coveredByOwnWindow())
        seen = readBlock(screen, desktop, pointMonitor, block, blockPixels, blockSide, point);
    if (seen != CLR_INVALID && seen != (curColor & 0xFFFFFF)) {
        curColor = seen;
        untold = true;
        colorAnnouncementsHeld = true;
        paintSwatch(window, swatchRgn);
        colorAnnouncementsHeld = false;
    }
    if (untold && GetTickCount() - toldAt >= 1000) {
        untold = false;
        toldAt = GetTickCount();
        announceShownColor(window);
    }
}
