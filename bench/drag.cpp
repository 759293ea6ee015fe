// Drag-adjust and eyedropper throughput: move events sent through the real
// window procedure of the program's window in this process, against the
// least drawing that the swatch repaint asks for, done directly in a loop,
// and for the eyedropper with its magnifier also against the bare screen
// read, with a sample of one pixel at zoom 8 (11 by 11 pixels read and
// drawn) and at zoom 2 (43 by 43, also with a colour-vision simulation),
// and with the 5 by 5 average. Then the
// time from the pick hotkey's message to the magnifier on the screen,
// against a plain pop-up of the magnifier's size shown there.
//
// Every timed step follows a real one-pixel pointer move (right, then back)
// that is not timed: moving the pointer is the input system's work, and
// the program reads the pointer cheaply only while it really moves (Wine
// asks the X server again once the position is 100 ms old).
#include "bench.h"
#include "tests/win/win_fixture.h"
#include "app/window.h"
#include "core/color.h"
#include "core/sample.h"
#include "core/vision.h"
#include "input/gesture.h"
#include "input/windowmove.h"
#include "skin/draw.h"
#include "skin/layout.h"
#include "skin/regions.h"

#include <cstdio>

const int rounds = 10;

static HWND window;
static POINT movesFrom;   // screen point the pointer steps right of and back to
static POINT messageAt;   // the moves' point in face coordinates
static long dragFaults;   // moves or key steps after which red was not where it should be

static POINT areaCentre(AreaId id)
{
    const FaceRect &r = faceAreas[id];
    POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    return p;
}

static void send(UINT msg, WPARAM wp, POINT p)
{
    SendMessageA(window, msg, wp, MAKELPARAM(p.x, p.y));
}

// Microseconds per step, over n steps each after a pointer move of travel
// pixels to the right or back.
static double timeSteps(int n, void (*step)(int i), int travel)
{
    double busy = 0;
    for (int i = 0; i < n; i++) {
        SetCursorPos(movesFrom.x + (i & 1 ? 0 : travel), movesFrom.y);
        double t0 = nowMicroseconds();
        step(i);
        busy += nowMicroseconds() - t0;
    }
    return busy / n;
}

// The move to the right raises red by one, the move back lowers it again.
static void moveStep(int i)
{
    send(WM_MOUSEMOVE, MK_LBUTTON, messageAt);
    if (pickerActive)
        return;
    if (channelValue(curColor, redMask) != (i & 1 ? 0u : 1u))
        dragFaults++;
}

// The repaint's floor: one window context, the region filled with a new
// brush, the four readouts put back from backBuffer through their region
// and the six texts drawn.
static void floorRepaint(HRGN region, COLORREF color)
{
    static const char *const texts[6] = {"001", "000", "000", "01", "00", "00"};
    static const POINT at[6] = {{32, 68}, {32, 81}, {32, 93}, {19, 110}, {36, 110}, {52, 110}};
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(color);
    FillRgn(dc, region, brush);
    SelectClipRgn(dc, readoutsRgn);
    BitBlt(dc, 0, 0, faceWidth, faceHeight, backBuffer, 0, 0, SRCCOPY);
    SelectClipRgn(dc, nullptr);
    SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SetTextColor(dc, RGB(10, 10, 10));
    SetBkMode(dc, TRANSPARENT);
    for (int t = 0; t < 6; t++)
        TextOutA(dc, at[t].x, at[t].y, texts[t], t < 3 ? 3 : 2);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

// A key step: Right and Left in turn on the focused red readout, each
// raising or lowering red by one, through the key handling and the repaint
// with the focus ring.
static void keyStep(int i)
{
    SendMessageA(window, WM_KEYDOWN, i & 1 ? VK_LEFT : VK_RIGHT, 1);
    if (channelValue(curColor, redMask) != (i & 1 ? 0u : 1u))
        dragFaults++;
}

static void floorStep(int i)
{
    floorRepaint(swatchRgn, i & 1 ? 0 : 1);
}

// What a move handler must do besides the repaint: take its own window
// context and read the pointer.
static void floorWithPointerStep(int i)
{
    HDC dc = GetDC(window);
    POINT p;
    GetCursorPos(&p);
    floorRepaint(swatchRgn, i & 1 ? 0 : 1);
    ReleaseDC(window, dc);
}

static void pointerReadStep(int)
{
    POINT p;
    GetCursorPos(&p);
}

// Context, fill and release alone: how much of the floor is fixed cost.
static void bareStep(int i)
{
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(i & 1 ? 0 : 1);
    FillRgn(dc, swatchRgn, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

// The bare read of the pixel under the pointer from the screen.
static COLORREF screenRead()
{
    POINT p;
    GetCursorPos(&p);
    HDC screen = GetDC(nullptr);
    COLORREF pixel = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

static void screenReadStep(int)
{
    screenRead();
}

static HWND magnifier;

// The magnifier's own timer: it moves beside the pointer.
static void magnifierMoveStep(int)
{
    SendMessageA(magnifier, WM_TIMER, 1, 0);
}

// A sample with the mean of the 5 by 5 pixels around the pointer.
static void averageStep(int i)
{
    sampleSize = 5;
    moveStep(i);
    sampleSize = 1;
}

// A sample with the magnifier showing protanopia.
static void simulatedStep(int i)
{
    visionFilter = visionProtanopia;
    moveStep(i);
    visionFilter = visionNormal;
}

// A sample's floor: the screen read and the floor repaint of the swatch's
// lower half.
static void sampleFloorStep(int)
{
    floorRepaint(pickPreviewRgn, screenRead());
}

// Whether the screen shows colour at p; false after two seconds of no.
// Messages are handled meanwhile: Wine hands what a window drew to the X
// server from the message loop.
static bool waitForScreen(POINT p, COLORREF colour)
{
    double t0 = nowMicroseconds();
    while (screenPixel(p.x, p.y) != colour) {
        pumpMessages();
        if (nowMicroseconds() - t0 > 2e6)
            return false;
    }
    return true;
}

// From the hotkey's message to the magnifier on the screen, its ring in
// the colour that stands out against the sample; the pick then cancelled.
static double hotkeyToMagnifier()
{
    double t0 = nowMicroseconds();
    PostMessageA(window, WM_HOTKEY, 1, 0);
    HWND magnifier = nullptr;
    while ((!magnifier || !IsWindowVisible(magnifier)) && nowMicroseconds() - t0 < 2e6) {
        pumpMessages();
        magnifier = FindWindowA("tinctoraMagnifier", nullptr);
    }
    RECT r = {};
    GetWindowRect(magnifier, &r);
    int light = GetRValue(curColor) * 299 + GetGValue(curColor) * 587 + GetBValue(curColor) * 114;
    bool shown = waitForScreen({r.left + 40 * faceScale, r.top + 40 * faceScale},
                               light > 127500 ? RGB(0, 0, 0) : RGB(255, 255, 255));
    double t = nowMicroseconds() - t0;
    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    return shown ? t : 1e9;
}

// The floor: a white top-most pop-up of the magnifier's size made and
// shown at the same place, until the screen shows it.
static double popupToScreen()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "benchMagnifier";
    RegisterClassA(&wc);
    POINT at;
    GetCursorPos(&at);
    int side = 90 * faceScale;
    double t0 = nowMicroseconds();
    HWND popup = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                 wc.lpszClassName, "", WS_POPUP, at.x + 20, at.y + 20, side, side,
                                 window, nullptr, wc.hInstance, nullptr);
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    UpdateWindow(popup);
    bool shown = waitForScreen({at.x + 20 + side / 2, at.y + 20 + side / 2}, RGB(255, 255, 255));
    double t = nowMicroseconds() - t0;
    DestroyWindow(popup);
    return shown ? t : 1e9;
}

struct Measure {
    void (*step)(int i);
    int steps;  // per round
    std::vector<double> times;
    int travel = 1;  // pixels the pointer moves before each step
};

// One round of each measure in turn, the order turning every round, so a
// busy spell on the machine falls on all of them alike. One round of each
// first, untimed, to warm the caches.
static void timeInTurn(Measure *m, int count)
{
    for (int i = 0; i < count; i++)
        timeSteps(m[i].steps, m[i].step, m[i].travel);
    for (int r = 0; r < rounds; r++)
        for (int i = 0; i < count; i++) {
            Measure &x = m[(i + r) % count];
            x.times.push_back(timeSteps(x.steps, x.step, x.travel));
        }
}

int runDragBench()
{
    clearSettings();
    window = startProgram();
    if (!window) {
        fprintf(stderr, "drag: the window did not start\n");
        return 1;
    }

    // Drag-adjust: red's up arrow held from black; 20,000 timed moves.
    curColor = 0;
    messageAt = areaCentre(redUpId);
    movesFrom = {windowRect.left + messageAt.x, windowRect.top + messageAt.y};
    SetCursorPos(movesFrom.x, movesFrom.y);
    send(WM_LBUTTONDOWN, MK_LBUTTON, messageAt);
    // Out past the drag threshold and back, untimed: the press is a drag
    // from then on, red back at 0, and every one-pixel move steps it.
    int beyond = GetSystemMetrics(SM_CXDRAG) * faceScale;
    for (int x : {movesFrom.x + beyond, movesFrom.x}) {
        SetCursorPos(x, movesFrom.y);
        send(WM_MOUSEMOVE, MK_LBUTTON, messageAt);
    }
    enum { drag, floor, floorWithPointer, pointerRead, bare };
    Measure m[] = {{moveStep, 2000, {}},
                   {floorStep, 2000, {}},
                   {floorWithPointerStep, 1000, {}},
                   {pointerReadStep, 500, {}},
                   {bareStep, 500, {}}};
    timeInTurn(m, 5);
    send(WM_LBUTTONUP, 0, messageAt);
    if (dragFaults) {
        fprintf(stderr, "drag: %ld of the moves did not step red by one\n", dragFaults);
        return 1;
    }

    // Key steps on the red readout, the seventh control, from black.
    curColor = 0;
    SetFocus(window);
    for (int i = 0; i < 7; i++)
        SendMessageA(window, WM_KEYDOWN, VK_TAB, 1);
    Measure keys[] = {{keyStep, 2000, {}}, {floorStep, 2000, {}}};
    timeInTurn(keys, 2);
    if (dragFaults) {
        fprintf(stderr, "drag: %ld of the key steps did not step red by one\n", dragFaults);
        return 1;
    }

    // A pick: the press on the swatch and the hold timer's expiry with the
    // pointer over the swatch's lower half, where it then moves.
    messageAt = areaCentre(pickPreviewId);
    movesFrom = {windowRect.left + messageAt.x, windowRect.top + messageAt.y};
    SetCursorPos(movesFrom.x, movesFrom.y);
    send(WM_LBUTTONDOWN, MK_LBUTTON, messageAt);
    SendMessageA(window, WM_TIMER, 1, 0);
    if (!pickerActive) {
        fprintf(stderr, "drag: the eyedropper did not start\n");
        return 1;
    }
    // The magnifier follows the pointer on a timer of its own, at most once
    // a frame: its move is timed apart, after moves of 20 pixels.
    magnifier = FindWindowA("tinctoraMagnifier", nullptr);
    Measure pick[] = {{moveStep, 500, {}}, {sampleFloorStep, 500, {}}, {screenReadStep, 500, {}},
                      {magnifierMoveStep, 200, {}, 20}, {averageStep, 500, {}}};
    timeInTurn(pick, 5);
    // Two notches down: zoom 2, against the bare read again, then back.
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(-2 * WHEEL_DELTA)), 0);
    if (magnifierZoom != 2) {
        fprintf(stderr, "drag: the wheel did not zoom the magnifier out\n");
        return 1;
    }
    Measure zoomed[] = {{moveStep, 500, {}}, {screenReadStep, 500, {}}, {simulatedStep, 500, {}}};
    timeInTurn(zoomed, 3);
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), 0);
    send(WM_LBUTTONUP, 0, messageAt);

    // The hotkey with the pointer on the bare screen right of the window,
    // the screen left to settle between rounds.
    SetCursorPos(windowRect.right + 100, windowRect.top + 100);
    std::vector<double> hotkey, popup;
    for (int r = 0; r < 2 * rounds; r++) {
        (r & 1 ? popup : hotkey).push_back(r & 1 ? popupToScreen() : hotkeyToMagnifier());
        for (int i = 0; i < 5; i++) {
            Sleep(20);
            pumpMessages();
        }
    }

    double perMove = median(m[drag].times), floorPerMove = median(m[floor].times);
    char name[64];
    snprintf(name, sizeof name, "drag-adjust move (%.0f per second)", 1e6 / perMove);
    printRatioRow(name, perMove, floorPerMove, "us", 1.5);
    printRatioRow("the same against floor + context + pointer read", perMove,
                  median(m[floorWithPointer].times), "us", 0);
    printRatioRow("pointer read after a move (against floor)", median(m[pointerRead].times),
                  floorPerMove, "us", 0);
    printRatioRow("bare context, fill, release (against floor)", median(m[bare].times),
                  floorPerMove, "us", 0);
    printRatioRow("key step, press to repaint (against floor)", median(keys[0].times),
                  median(keys[1].times), "us", 1.1);
    double perSample = median(pick[0].times), read = median(pick[2].times);
    printRatioRow("eyedropper sample with magnifier", perSample, median(pick[1].times), "us", 0);
    printRatioRow("the same (11 by 11 at zoom 8) against the bare screen read", perSample, read,
                  "us", 1.2);
    printRatioRow("sample at zoom 2 (43 by 43 read and drawn) against the bare screen read",
                  median(zoomed[0].times), median(zoomed[1].times), "us", 1.2);
    printRatioRow(
        "the same with protanopia simulated (43 by 43 filtered) against the bare screen read",
        median(zoomed[2].times), median(zoomed[1].times), "us", 1.2);
    printRatioRow("the same against the sample at zoom 2 unfiltered", median(zoomed[2].times),
                  median(zoomed[0].times), "us", 0);
    printRatioRow("a move of the magnifier, at most one a frame (against the bare screen read)",
                  median(pick[3].times), read, "us", 0);
    printRatioRow("sample with the 5 by 5 average, against the bare screen read",
                  median(pick[4].times), read, "us", 1.0);
    printRatioRow("the same against the one-pixel sample", median(pick[4].times), perSample, "us", 0);
    printRatioRow("pick hotkey's message to the magnifier on the screen (against a pop-up shown)",
                  median(hotkey) / 1000, median(popup) / 1000, "ms", 0);
    return 0;
}
