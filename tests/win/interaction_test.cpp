#include "win_fixture.h"
#include "app/clipboard.h"
#include "app/window.h"
#include "core/color.h"
#include "core/colortext.h"
#include "input/eyedropper.h"
#include "input/gesture.h"
#include "input/windowmove.h"
#include "res/resource.h"
#include "skin/draw.h"
#include "skin/regions.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// The program's window on a first run, pointer on the window's face point.
struct Gesture : ::testing::Test {
    HWND w;
    void SetUp() override
    {
        clearSettings();
        w = startProgram();
        ASSERT_TRUE(w);
        curColor = oldColor = 0;
    }
    void TearDown() override { clearSettings(); }
    void pointer(int x, int y) { SetCursorPos(windowRect.left + x, windowRect.top + y); }
    void press(int x, int y)
    {
        pointer(x, y);
        sendPointer(w, WM_LBUTTONDOWN, x, y);
    }
    void move(int x, int y)
    {
        pointer(x, y);
        sendPointer(w, WM_MOUSEMOVE, x, y);
    }
    // The pointer at a screen point, for moves that shift the window.
    void moveScreen(int x, int y)
    {
        SetCursorPos(x, y);
        sendPointer(w, WM_MOUSEMOVE, 40, 125);
    }
    void release(int x, int y)
    {
        pointer(x, y);
        sendPointer(w, WM_LBUTTONUP, x, y);
    }
    void expectIdle()
    {
        EXPECT_EQ(0, buttonDown);
        EXPECT_EQ(0, dragMoving);
        EXPECT_EQ(0, pickerActive);
        EXPECT_EQ(1, undoArmed);
        for (const ButtonRecord &b : arrowButtons)
            EXPECT_EQ(0, b.pressed);
    }
    std::string clipboardText()
    {
        std::string s = "(none)";
        if (OpenClipboard(nullptr)) {
            HANDLE h = GetClipboardData(CF_TEXT);
            if (h) {
                s = (const char *)GlobalLock(h);
                GlobalUnlock(h);
            }
            CloseClipboard();
        }
        return s;
    }
    void setClipboardText(const char *text)
    {
        HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
        strcpy((char *)GlobalLock(g), text);
        GlobalUnlock(g);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        SetClipboardData(CF_TEXT, g);
        CloseClipboard();
    }
};

TEST_F(Gesture, ArrowClickStepsTwentyAndDrawsNormalAgain)
{
    press(59, 74);  // redUpBtn
    EXPECT_EQ(1, redUpBtn.pressed);
    EXPECT_EQ(1, buttonDown);
    EXPECT_EQ(w, GetCapture());
    EXPECT_EQ(skinPixel(60, 74, true), GetPixel(GetDC(w), 60, 74));
    release(59, 74);
    EXPECT_EQ(20u, curColor);
    EXPECT_EQ(0u, oldColor);
    EXPECT_EQ(nullptr, GetCapture());
    expectIdle();
    curColor = 250;
    press(59, 74);
    release(59, 74);
    EXPECT_EQ(255u, curColor);
    curColor = 0xFF00;
    press(22, 86);  // greenDownBtn
    release(22, 86);
    EXPECT_EQ(0xEB00u, curColor);
}

TEST_F(Gesture, DragAdjustFollowsThePointerExactly)
{
    curColor = 0x10;
    press(59, 74);
    move(69, 74);   // +10
    EXPECT_EQ(0u + 0x10, oldColor) << "the drag saves the colour before it";
    EXPECT_EQ(0, undoArmed);
    move(89, 60);   // +20, vertical travel ignored
    move(84, 60);   // -5
    EXPECT_EQ(0x10u + 25, curColor);
    release(84, 60);
    EXPECT_EQ(0x10u + 25, curColor) << "a drag ends with no click step";
    expectIdle();
    SendMessageA(w, WM_COMMAND, cmdSwap, 0);
    EXPECT_EQ(0x10u, curColor);
}

TEST_F(Gesture, MoveWithoutTravelMakesItADragAndOvershootIsForgotten)
{
    press(59, 74);
    move(59, 74);
    release(59, 74);
    EXPECT_EQ(0u, curColor);
    press(59, 74);
    move(359, 74);
    EXPECT_EQ(255u, curColor);
    move(259, 74);
    EXPECT_EQ(155u, curColor);
    release(259, 74);
    curColor = 0x204060;
    press(71, 116);  // lightenBtn: sideways lightens or darkens
    move(61, 116);
    release(61, 116);
    EXPECT_EQ(0x163656u, curColor);
}

TEST_F(Gesture, ArrowReleasedElsewhereIsClearedForTheNextGesture)
{
    press(59, 74);
    release(40, 125);  // bare face: nothing acts
    EXPECT_EQ(0u, curColor);
    expectIdle();
    RECT before = windowRect;
    press(40, 125);
    move(50, 130);
    release(50, 130);
    EXPECT_EQ(0u, curColor) << "a window move must not step the colour";
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(before.left + 10, r.left);
    MoveWindow(w, 0, 0, 83, 132, TRUE);
}

TEST_F(Gesture, WindowMoveSnapsAndKeepsTheUnsnappedRectangle)
{
    press(40, 125);
    EXPECT_EQ(1, dragMoving);
    moveScreen(140, 225);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(100, r.left);
    EXPECT_EQ(100, r.top);
    moveScreen(45, 129);  // left 5, top 4: both within 8
    GetWindowRect(w, &r);
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(0, r.top);
    EXPECT_EQ(5, windowRect.left);
    sendPointer(w, WM_LBUTTONUP, 40, 125);
    expectIdle();
    MoveWindow(w, 0, 0, 83, 132, TRUE);
}

TEST_F(Gesture, TitleButtonsActOnTheControlUnderTheRelease)
{
    press(12, 10);        // snapBtn
    move(28, 10);         // hover onto topBtn
    flushScreen();
    EXPECT_EQ(skinPixel(28, 7, true), screenPixel(28, 7));
    release(28, 10);
    EXPECT_EQ(1, alwyOnTop);
    EXPECT_NE(0, GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(skinPixel(28, 7, true), GetPixel(backBuffer, 28, 7));
    EXPECT_EQ(8, snapTol) << "the pressed button does not act";
    press(28, 10);
    release(28, 10);
    EXPECT_EQ(0, alwyOnTop);
    EXPECT_EQ(0, GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(skinPixel(28, 7, false), GetPixel(backBuffer, 28, 7));

    press(12, 10);
    release(12, 10);
    EXPECT_EQ(0, snapTol);
    EXPECT_EQ(skinPixel(12, 7, false), GetPixel(backBuffer, 12, 7));
    press(12, 10);
    release(12, 10);
    EXPECT_EQ(8, snapTol);
    EXPECT_EQ(skinPixel(12, 7, true), GetPixel(backBuffer, 12, 7));

    press(12, 10);
    release(59, 74);  // slid onto an arrow: it steps
    EXPECT_EQ(20u, curColor);
}

TEST_F(Gesture, HoldTimerStartsAPickOnlyOverTheSwatch)
{
    press(40, 30);
    pointer(5, 125);
    SendMessageA(w, WM_TIMER, holdTimerId, 0);
    EXPECT_EQ(0, pickerActive);
    release(5, 125);
    curColor = 0x123456;
    paintSwatch(w, swatchRgn);
    flushScreen();
    press(40, 30);
    release(40, 30);
    SendMessageA(w, WM_TIMER, holdTimerId, 0);  // expiry after the release
    EXPECT_EQ(0, pickerActive);
    press(40, 30);
    SendMessageA(w, WM_TIMER, holdTimerId, 0);
    EXPECT_EQ(1, pickerActive);
    EXPECT_EQ(0x123456u, oldColor);
    // Sampling its own swatch's lower half reads the current colour; the
    // face's border reads black.
    move(40, 50);
    EXPECT_EQ(0x123456u, curColor);
    move(0, 0);
    EXPECT_EQ(0u, curColor);
    release(59, 74);  // over an arrow: the pick ends and the arrow does not act
    EXPECT_EQ(0u, curColor);
    expectIdle();
    SendMessageA(w, WM_COMMAND, cmdSwap, 0);
    EXPECT_EQ(0x123456u, curColor);
}

TEST_F(Gesture, LostCaptureEndsEveryGestureKind)
{
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 300, 300, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    const int presses[4][2] = {{59, 74}, {40, 125}, {12, 10}, {40, 30}};
    for (const auto &p : presses) {
        press(p[0], p[1]);
        move(p[0] + 3, p[1]);
        if (p[1] == 30)
            SendMessageA(w, WM_TIMER, holdTimerId, 0);
        SetCapture(other);
        ReleaseCapture();
        expectIdle();
    }
    MoveWindow(w, 0, 0, 83, 132, TRUE);
    uint32_t before = curColor;
    press(59, 74);
    release(59, 74);
    EXPECT_EQ(before + 20, curColor) << "the next gesture works normally";
    DestroyWindow(other);
}

TEST_F(Gesture, CharactersAndCommands)
{
    const struct { WPARAM ch; uint32_t from, to; } keys[] = {
        {'R', 250, 255}, {'r', 5, 0}, {'G', 0, 0x0A00}, {'g', 0x0A00, 0},
        {'B', 0, 0x0A0000}, {'b', 0x050000, 0}, {'W', 0x0000FF, 0x0000FF},
        {'w', 0x102030, 0x061626}, {'x', 7, 7}, {3, 7, 7},
    };
    for (const auto &k : keys) {
        curColor = k.from;
        SendMessageA(w, WM_CHAR, k.ch, 0);
        EXPECT_EQ(k.to, curColor) << "key " << (int)k.ch;
    }
    curColor = 0x0080FF;
    paintSwatch(w, swatchRgn);
    setClipboardText("old");
    SendMessageA(w, WM_COMMAND, cmdCopyAlt, 0);
    EXPECT_EQ("FF8000", clipboardText());
    EXPECT_EQ(0x0080FFu, curColor);
    setClipboardText("ff");
    EXPECT_EQ(0, SendMessageA(w, WM_COMMAND, 999, 0));
    EXPECT_EQ(0x0080FFu, curColor);
    SendMessageA(w, WM_COMMAND, cmdPaste, 0);
    EXPECT_EQ(0xFF0000u, curColor);
    EXPECT_EQ(0x0080FFu, oldColor);
}

TEST_F(Gesture, ClipboardBlocksAndPasteCases)
{
    curColor = 0x050505;
    paintSwatch(w, swatchRgn);
    sendPointer(w, WM_RBUTTONUP, 40, 74);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE h = GetClipboardData(CF_TEXT);
    ASSERT_TRUE(h);
    EXPECT_STREQ("005", (const char *)GlobalLock(h));
    EXPECT_EQ(4u, GlobalSize(h));
    GlobalUnlock(h);
    CloseClipboard();
    sendPointer(w, WM_RBUTTONUP, 40, 116);
    EXPECT_EQ("050505", clipboardText());
    setClipboardText("keep");
    sendPointer(w, WM_RBUTTONUP, 59, 74);
    sendPointer(w, WM_RBUTTONUP, 5, 125);
    EXPECT_EQ("keep", clipboardText());

    const struct { const char *text; uint32_t color; } pastes[] = {
        {"FF8000 and more", 0x0080FF}, {"#FF8000", 0x0080FF}, {"-1", 0xFFFFFF}, {"", 0},
    };
    for (const auto &p : pastes) {
        setClipboardText(p.text);
        pasteFromClipboard(w);
        EXPECT_EQ(p.color, curColor) << p.text;
    }
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    curColor = 0x111111;
    pasteFromClipboard(w);
    EXPECT_EQ(0x111111u, curColor);
    flushScreen();
    EXPECT_STREQ("111111", colorHex);
}

TEST_F(Gesture, DoubleClickOnTheSwatchPastesWithoutAPick)
{
    setClipboardText("336699");
    press(40, 30);
    release(40, 30);
    pointer(40, 30);
    sendPointer(w, WM_LBUTTONDBLCLK, 40, 30);
    release(40, 30);
    EXPECT_EQ(0x996633u, curColor);
    EXPECT_EQ(0, pickerActive);
    // Elsewhere a double-click is a second press.
    press(59, 74);
    release(59, 74);
    sendPointer(w, WM_LBUTTONDBLCLK, 59, 74);
    release(59, 74);
    EXPECT_EQ(0x996633u + 40, curColor);
}

}  // namespace
