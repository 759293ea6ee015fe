#include "win_fixture.h"
#include "app/settings.h"
#include "app/window.h"
#include "core/color.h"
#include "core/options.h"
#include "core/colortext.h"
#include "input/eyedropper.h"
#include "input/gesture.h"
#include "input/windowmove.h"
#include "skin/draw.h"
#include "skin/layout.h"
#include "skin/regions.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

void storeSetting(const char *name, DWORD value)
{
    ASSERT_TRUE(putSetting(name, REG_DWORD, &value, sizeof value));
}

bool inReadout(int x, int y)
{
    for (int i = redValueId; i <= hexValueId; i++)
        if (rectHolds(faceAreas[i], x, y))
            return true;
    return false;
}

// The window's place and size, and windowRect holding exactly them.
void expectWindowAt(HWND w, int x, int y, int width, int height)
{
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(x, r.left);
    EXPECT_EQ(y, r.top);
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_EQ(height, r.bottom - r.top);
    EXPECT_EQ(0, memcmp(&r, &windowRect, sizeof r));
}

TEST(WindowRegions, HitRegionsMatchTheLayoutAtEveryPoint)
{
    clearSettings();
    ASSERT_TRUE(startProgram());
    struct { HRGN rgn; AreaId id; } named[] = {
        {snapBtn.region, snapId},     {topBtn.region, topId},
        {minBtn.region, minId},       {closeBtn.region, closeId},
        {redUpBtn.region, redUpId},   {redDownBtn.region, redDownId},
        {greenUpBtn.region, greenUpId}, {greenDownBtn.region, greenDownId},
        {blueUpBtn.region, blueUpId}, {blueDownBtn.region, blueDownId},
        {lightenBtn.region, lightenId}, {darkenBtn.region, darkenId},
        {redValueRgn, redValueId},    {greenValueRgn, greenValueId},
        {blueValueRgn, blueValueId},  {hexValueRgn, hexValueId},
        {swatchRgn, swatchId},        {pickPreviewRgn, pickPreviewId},
    };
    for (int y = -1; y <= faceHeight; y++)
        for (int x = -1; x <= faceWidth; x++)
            for (const auto &n : named)
                ASSERT_EQ(rectHolds(faceAreas[n.id], x, y), regionHolds(n.rgn, x, y))
                    << faceAreas[n.id].name << " at " << x << "," << y;
    // A point left of the window while the capture is held.
    POINT p = messagePoint(MAKELPARAM(-1, 70));
    for (const auto &n : named)
        EXPECT_FALSE(regionHolds(n.rgn, p.x, p.y));
}

TEST(WindowRegions, CompositesAndTheWindowShape)
{
    clearSettings();
    HWND w = startProgram();
    ASSERT_TRUE(w);
    for (int y = 0; y < faceHeight; y++)
        for (int x = 0; x < faceWidth; x++) {
            bool title = false, readout = inReadout(x, y);
            for (int i = snapId; i <= closeId; i++)
                title = title || rectHolds(faceAreas[i], x, y);
            ASSERT_EQ(title, regionHolds(titleBtnsRgn, x, y)) << x << "," << y;
            ASSERT_EQ(readout, regionHolds(readoutsRgn, x, y)) << x << "," << y;
            // faceRgn and swatchRgn cover the outline exactly once.
            int cover = regionHolds(faceRgn, x, y) + regionHolds(swatchRgn, x, y);
            ASSERT_EQ(outlineHolds(x, y) ? 1 : 0, cover) << x << "," << y;
        }
    // The window system owns the outline now; read the shape back from it.
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(w, shape));
    for (int y = 0; y < faceHeight; y++) {
        EXPECT_EQ(y < 20 || y > 68, PtInRegion(shape, 0, y) != 0) << "row " << y;
        EXPECT_EQ(y < 20 || y > 68, PtInRegion(shape, 82, y) != 0) << "row " << y;
        EXPECT_TRUE(PtInRegion(shape, 1, y) && PtInRegion(shape, 81, y));
    }
    DeleteObject(shape);
}

TEST(WindowStartup, FirstRunWindowAndState)
{
    clearSettings();
    HWND w = startProgram();
    ASSERT_TRUE(w);
    expectWindowAt(w, 0, 0, 83, 132);
    char cls[32];
    GetClassNameA(w, cls, sizeof cls);
    EXPECT_STREQ("tinctoraWin", cls);
    EXPECT_EQ((LONG)CS_DBLCLKS, (LONG)GetClassLongA(w, GCL_STYLE));
    char title[32];
    GetWindowTextA(w, title, sizeof title);
    EXPECT_STREQ("Tinctora", title);
    EXPECT_EQ(0x800B0000u, (DWORD)GetWindowLongA(w, GWL_STYLE) & ~(DWORD)(WS_VISIBLE | WS_CLIPSIBLINGS));
    EXPECT_EQ(0, GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(8, snapTol);
    EXPECT_EQ(0, alwyOnTop);
    EXPECT_EQ(0u, curColor);
    EXPECT_NE(nullptr, accelTable);
    // The first paint filled the kept texts.
    EXPECT_STREQ("000000", colorHex);
}

// Starts the program over a stored position; the window's rectangle.
RECT startedAtStored(LONG x, LONG y)
{
    clearSettings();
    storeSetting("xPos", (DWORD)x);
    storeSetting("yPos", (DWORD)y);
    HWND w = startProgram();
    RECT r = {};
    GetWindowRect(w, &r);
    EXPECT_EQ(0, memcmp(&r, &windowRect, sizeof r)) << "a close stores where the window is";
    clearSettings();
    return r;
}

// A stored position that leaves any pixel on a work area is used as it is.
TEST(WindowStartup, StoredPositionIsUsedWhileAnyOfItShows)
{
    RECT r = startedAtStored(30, -40);
    EXPECT_EQ(30, r.left);
    EXPECT_EQ(-40, r.top);
    EXPECT_EQ(83, r.right - r.left);
}

// One that no work area shows any of comes back to the nearest place
// wholly inside one.
TEST(WindowStartup, StoredPositionOffEveryWorkAreaComesBack)
{
    RECT r = startedAtStored(50000, -400), work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.right - 83, r.left);
    EXPECT_EQ(work.top, r.top);
}

TEST(WindowStartup, AcceleratorTableFlagWords)
{
    HRSRC res = FindResourceA(nullptr, "TINCTORA_ACCL", (LPCSTR)RT_ACCELERATOR);
    ASSERT_TRUE(res);
    ASSERT_EQ(6u * 8, SizeofResource(nullptr, res));
    const WORD *e = (const WORD *)LockResource(LoadResource(nullptr, res));
    const WORD want[6][3] = {{0, 3, 100},    {0, 0x18, 101},  {0, 0x16, 102},
                             {0, 0x1A, 103}, {0x09, 0x2D, 100}, {0x85, 0x2D, 102}};
    for (int i = 0; i < 6; i++)
        for (int f = 0; f < 3; f++)
            EXPECT_EQ(want[i][f], e[i * 4 + f]) << "entry " << i << " field " << f;
}

// The face at rest in backBuffer: the normal frame, each toggle's box lit
// while its option is on; at scale k each face pixel a k by k block.
void expectBackBuffer(bool snapLit, bool topLit, int k = 1)
{
    for (int y = 0; y < faceHeight; y++)
        for (int x = 0; x < faceWidth; x++) {
            if (rectHolds(faceAreas[swatchId], x, y))
                continue;
            bool lit = (snapLit && rectHolds(faceAreas[snapId], x, y)) ||
                       (topLit && rectHolds(faceAreas[topId], x, y));
            ASSERT_EQ(skinPixel(x, y, lit), GetPixel(backBuffer, x * k, y * k)) << x << "," << y;
            ASSERT_EQ(skinPixel(x, y, lit), GetPixel(backBuffer, x * k + k - 1, y * k + k - 1))
                << x << "," << y;
        }
}

TEST(WindowSurfaces, BackBufferWithDefaultToggles)
{
    clearSettings();
    ASSERT_TRUE(startProgram());
    expectBackBuffer(true, false);
}

TEST(WindowSurfaces, BackBufferWithBothTogglesOff)
{
    clearSettings();
    storeSetting("snapTol", 0);
    ASSERT_TRUE(startProgram());
    expectBackBuffer(false, false);
    clearSettings();
}

TEST(WindowSurfaces, BackBufferWithBothTogglesOnAndTopmost)
{
    clearSettings();
    storeSetting("snapTol", 5);
    storeSetting("alwyOnTop", 1);
    HWND w = startProgram();
    ASSERT_TRUE(w);
    expectBackBuffer(true, true);
    EXPECT_NE(0, GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    clearSettings();
}

// A change of scale while running rebuilds the face at the new scale at
// the suggested place, and the way back gives the face it started with.
TEST(WindowSurfaces, ChangeOfScaleRebuildsTheWholeFace)
{
    clearSettings();
    HWND w = startProgram();
    ASSERT_TRUE(w);
    RECT suggested = {200, 100, 400, 300};
    SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(200, 200), (LPARAM)&suggested);
    expectWindowAt(w, 200, 100, 166, 264);
    expectBackBuffer(true, false, 2);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(w, shape));
    for (int y = 0; y < 264; y++)
        for (int x = 0; x < 166; x++)
            ASSERT_EQ(outlineHolds(x / 2, y / 2), PtInRegion(shape, x, y) != 0) << x << "," << y;
    DeleteObject(shape);
    EXPECT_TRUE(regionHolds(redUpBtn.region, 127, 159));
    EXPECT_FALSE(regionHolds(redUpBtn.region, 128, 159));
    // Red up at twice the scale, trembling sideways as far as the drag
    // distance at that scale: still a click; a pixel further, a drag by all of it.
    for (int past : {0, 1}) {
        int x = 114 + GetSystemMetrics(SM_CXDRAG) + past;
        SetCursorPos(windowRect.left + 114, windowRect.top + 148);
        sendPointer(w, WM_LBUTTONDOWN, 114, 148);
        SetCursorPos(windowRect.left + x, windowRect.top + 148);
        sendPointer(w, WM_MOUSEMOVE, x, 148);
        sendPointer(w, WM_LBUTTONUP, x, 148);
        EXPECT_EQ(past ? 20u + x - 114 : 20u, curColor);
    }

    suggested = {0, 0, 83, 132};
    SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(96, 96), (LPARAM)&suggested);
    expectWindowAt(w, 0, 0, 83, 132);
    expectBackBuffer(true, false);
    EXPECT_TRUE(regionHolds(redUpBtn.region, 63, 79));
    EXPECT_FALSE(regionHolds(redUpBtn.region, 64, 79));

    // The system, asking first, learns the face's size rather than a linear one.
    SIZE size = {};
    EXPECT_TRUE(SendMessageA(w, WM_GETDPISCALEDSIZE, 144, (LPARAM)&size));
    EXPECT_TRUE(size.cx == 166 && size.cy == 264) << size.cx << " by " << size.cy;
    // Minimised, the window comes back at the face's new size.
    ShowWindow(w, SW_MINIMIZE);
    SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(192, 192), (LPARAM)&suggested);
    ShowWindow(w, SW_RESTORE);
    expectWindowAt(w, 0, 0, 166, 264);
    // During a pick the magnifier takes the new scale's size, at the zoom
    // that two half notches of the wheel made: 5 pixels of 16 and a border.
    SetCursorPos(80, 60);
    sendPointer(w, WM_LBUTTONDOWN, 80, 60);
    SendMessageA(w, WM_TIMER, holdTimerId, 0);
    for (int half = 0; half < 2; half++)
        SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), MAKELPARAM(80, 60));
    SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(96, 96), (LPARAM)&suggested);
    RECT shown;
    GetWindowRect(FindWindowA("tinctoraMagnifier", nullptr), &shown);
    EXPECT_EQ(82, shown.right - shown.left);
    sendPointer(w, WM_LBUTTONUP, 80, 60);
}

// A change of scale that comes before the surfaces exist is taken once
// they do, and the window keeps its shape.
LRESULT CALLBACK scaleChangeAtCreation(int code, WPARAM wp, LPARAM lp)
{
    static RECT suggested = {0, 0, 166, 264};
    const CWPSTRUCT &m = *(const CWPSTRUCT *)lp;
    if (m.message == WM_CREATE)
        SendMessageA(m.hwnd, WM_DPICHANGED, MAKEWPARAM(192, 192), (LPARAM)&suggested);
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST(WindowSurfaces, ChangeOfScaleDuringCreationIsTakenAfterIt)
{
    clearSettings();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, scaleChangeAtCreation, nullptr,
                                   GetCurrentThreadId());
    HWND w = startProgram();
    UnhookWindowsHookEx(hook);
    expectWindowAt(w, 0, 0, 166, 264);
    expectBackBuffer(true, false, 2);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(COMPLEXREGION, GetWindowRgn(w, shape));
    DeleteObject(shape);
}

TEST(WindowSurfaces, ScreenShowsTheFaceAtRestAndTheColour)
{
    clearSettings();
    HWND w = startProgram();
    ASSERT_TRUE(w);
    curColor = RGB(10, 0, 255);
    InvalidateRect(w, nullptr, FALSE);
    UpdateWindow(w);
    flushScreen();
    for (int y = 0; y < faceHeight; y++)
        for (int x = 0; x < faceWidth; x++) {
            if (!outlineHolds(x, y) || inReadout(x, y))
                continue;
            uint32_t want = rectHolds(faceAreas[swatchId], x, y) ? RGB(10, 0, 255)
                                                                  : GetPixel(backBuffer, x, y);
            ASSERT_EQ(want, screenPixel(x, y)) << x << "," << y;
        }
    EXPECT_STREQ("010", channelDecimal[0]);
    EXPECT_STREQ("0A00FF", colorHex);
}

TEST(WindowSurfaces, PaintSwatchPreviewKeepsTheUpperHalf)
{
    clearSettings();
    HWND w = startProgram();
    ASSERT_TRUE(w);
    curColor = RGB(200, 100, 50);
    paintSwatch(w, swatchRgn);
    curColor = RGB(1, 2, 3);
    paintSwatch(w, pickPreviewRgn);
    flushScreen();
    EXPECT_EQ((uint32_t)RGB(200, 100, 50), screenPixel(18, 20));
    EXPECT_EQ((uint32_t)RGB(200, 100, 50), screenPixel(64, 39));
    EXPECT_EQ((uint32_t)RGB(1, 2, 3), screenPixel(18, 40));
    EXPECT_EQ((uint32_t)RGB(1, 2, 3), screenPixel(64, 59));
    EXPECT_STREQ("001", channelDecimal[0]);
    EXPECT_STREQ("010203", colorHex);
}

TEST(WindowSurfaces, ReadoutsAreClearedBeforeNewDigits)
{
    clearSettings();
    HWND w = startProgram();
    ASSERT_TRUE(w);
    // The same colour twice gives the same readout pixels: nothing of an
    // earlier colour's digits survives.
    curColor = RGB(88, 88, 88);
    paintSwatch(w, swatchRgn);
    flushScreen();
    uint32_t before[4][11];
    for (int i = 0; i < 11; i++)
        for (int r = 0; r < 4; r++)
            before[r][i] = screenPixel(faceAreas[redValueId + r].left + 2 * i + 1,
                                       faceAreas[redValueId + r].top + 5);
    curColor = RGB(255, 255, 255);
    paintSwatch(w, swatchRgn);
    curColor = RGB(88, 88, 88);
    paintSwatch(w, swatchRgn);
    flushScreen();
    int textPixels = 0;
    for (int i = 0; i < 11; i++)
        for (int r = 0; r < 4; r++) {
            uint32_t now = screenPixel(faceAreas[redValueId + r].left + 2 * i + 1,
                                       faceAreas[redValueId + r].top + 5);
            EXPECT_EQ(before[r][i], now);
            textPixels += now == RGB(10, 10, 10);
        }
    EXPECT_GT(textPixels, 0) << "no digit drawn in the text colour";
}

TEST(WindowSurfaces, TopByteOfAStoredColourDoesNotReachTheSwatch)
{
    clearSettings();
    storeSetting("curColor", 0x01336699);
    HWND w = startProgram();
    ASSERT_TRUE(w);
    EXPECT_EQ(0x01336699u, curColor);
    flushScreen();
    EXPECT_EQ(0x336699u, screenPixel(40, 30));
    clearSettings();
}

// The real program: starts on a first run, ends with status 0 through the
// close path and saves its settings.
TEST(WindowProcess, EndsWithStatusZeroOnClose)
{
    clearSettings();
    EXPECT_EQ(0u, runProgramAndClose());
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, settingsKey, &key));
    DWORD v = 0, size = 4;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "snapTol", nullptr, nullptr, (BYTE *)&v, &size));
    EXPECT_EQ(8u, v);
    RegCloseKey(key);
    clearSettings();
}

// A start while another Tinctora is closing, its window gone and its
// settings not yet saved, waits for it and then starts.
TEST(WindowProcess, StartDuringACloseStarts)
{
    HANDLE closing = CreateMutexA(nullptr, TRUE, "Local\\Tinctora");
    Child program;
    ASSERT_TRUE(startChild(program, "tinctora.exe", ""));
    Sleep(1000);
    ReleaseMutex(closing);
    HWND w = waitForWindow();
    EXPECT_TRUE(w) << "the second start ended";
    PostMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, finishChild(program, 20000));
    CloseHandle(closing);
    clearSettings();
}

}  // namespace
