#include "win_fixture.h"
#include "input/clipboard.h"
#include "app/window.h"
#include "core/color.h"
#include "core/options.h"
#include "core/sample.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/history.h"
#include "core/variations.h"
#include "core/vision.h"
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
    // Runs the program's own loop over what is queued, ended by a quit
    // posted behind it.
    void runLoop()
    {
        PostQuitMessage(7);
        EXPECT_EQ(7, runMessageLoop());
    }
    void postChar(WPARAM ch) { PostMessageA(w, WM_CHAR, ch, 1); }
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

TEST_F(Gesture, MoveWithoutTravelStaysAClickAndOvershootIsForgotten)
{
    press(59, 74);
    move(59, 74);
    move(59, 76);
    release(59, 76);
    EXPECT_EQ(20u, curColor) << "a press that trembles up or down is still a click";
    EXPECT_EQ(0u, oldColor);
    curColor = 0;
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
    sendPointer(w, WM_LBUTTONUP, 12, 10);  // let go over snapBtn
    expectIdle();
    EXPECT_EQ(8, snapTol) << "the end of a move acts on nothing";
    EXPECT_EQ(0, windowRect.left) << "the end of a move takes the true place";
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
    // In the work area's bottom-right corner the magnifier goes above left
    // of the pointer, inside the work area, clear of the pixels it shows,
    // 21 on each side at zoom 2; an arrow key moves the pointer by one pixel.
    magnifierZoom = 2;
    RECT work, shown;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetCursorPos(work.right - 3, work.bottom - 3);
    sendPointer(w, WM_MOUSEMOVE, 0, 0);
    // It follows on a timer of its own. Only its messages are handled: with
    // no button really held, the window's watch on it would end the pick.
    HWND magnifier = FindWindowA("tinctoraMagnifier", nullptr);
    Sleep(50);
    for (MSG msg; PeekMessageA(&msg, magnifier, 0, 0, PM_REMOVE);)
        DispatchMessageA(&msg);
    ASSERT_TRUE(magnifier && IsWindowVisible(magnifier));
    GetWindowRect(magnifier, &shown);
    EXPECT_TRUE(shown.left >= work.left && shown.top >= work.top);
    EXPECT_TRUE(shown.right <= work.right - 3 - 21 && shown.bottom <= work.bottom - 3 - 21);
    magnifierZoom = 8;
    EXPECT_TRUE(shown.right > work.right - 100 && shown.bottom > work.bottom - 100) << "beside it";
    SendMessageA(w, WM_KEYDOWN, VK_LEFT, 0);
    POINT at;
    GetCursorPos(&at);
    EXPECT_EQ(work.right - 4, at.x);
    move(0, 0);
    release(59, 74);  // over an arrow: the pick ends and the arrow does not act
    EXPECT_EQ(0u, curColor);
    expectIdle();
    EXPECT_FALSE(FindWindowA("tinctoraMagnifier", nullptr)) << "the magnifier goes with the pick";
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    RECT clip, all = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    GetClipCursor(&clip);
    EXPECT_TRUE(EqualRect(&clip, &all)) << "the nudge's pointer clip goes with the pick";
    SendMessageA(w, WM_KEYDOWN, VK_LEFT, 0);
    GetCursorPos(&at);
    EXPECT_EQ(windowRect.left + 59, at.x) << "no pick, no pointer step";
    SendMessageA(w, WM_COMMAND, cmdSwap, 0);
    EXPECT_EQ(0x123456u, curColor);
    // A click on the swatch, then an arrow dragged over it before the timer
    // runs out: the drag stays a drag and its undo point stays.
    press(40, 30);
    release(40, 30);
    press(59, 74);
    move(40, 30);
    SendMessageA(w, WM_TIMER, holdTimerId, 0);
    EXPECT_EQ(0, pickerActive);
    release(40, 30);
    SendMessageA(w, WM_COMMAND, cmdSwap, 0);
    EXPECT_EQ(0x123456u, curColor);
}

// Another window taking the capture ends any gesture like a release that
// acts on nothing; the user's later release acts on nothing either, and the
// next gesture works as usual.
TEST_F(Gesture, LostCaptureEndsEveryGestureKind)
{
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 300, 300, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    // The window menu's loop and the system's move loop end a gesture alike.
    const struct { const char *kind; int x, y, moveBy; bool timer; UINT loop; } kinds[] = {
        {"arrow held", 59, 74, 0, false, 0},  {"arrow drag", 59, 74, 3, false, WM_ENTERSIZEMOVE},
        {"window move", 40, 125, 3, false, WM_ENTERMENULOOP}, {"pick", 40, 30, 3, true, 0},
        {"plain hold", 70, 10, 0, false, 0},
    };
    for (const auto &k : kinds) {
        SCOPED_TRACE(k.kind);
        MoveWindow(w, 0, 0, 83, 132, TRUE);
        curColor = 0x101010;
        paintSwatch(w, swatchRgn);
        flushScreen();
        press(k.x, k.y);
        if (k.timer)
            SendMessageA(w, WM_TIMER, holdTimerId, 0);
        if (k.moveBy)
            move(k.x + k.moveBy, k.y);
        RECT placed;
        GetWindowRect(w, &placed);
        uint32_t during = curColor;
        if (k.loop) {
            SendMessageA(w, k.loop, FALSE, 0);
        } else {
            SetCapture(other);
            ReleaseCapture();
        }
        expectIdle();
        EXPECT_EQ(during, curColor) << "the colour stays as the gesture left it";
        EXPECT_TRUE(IsWindow(w));
        EXPECT_FALSE(IsIconic(w));
        RECT now;
        GetWindowRect(w, &now);
        EXPECT_EQ(placed.left, now.left);
        EXPECT_EQ(now.left, windowRect.left) << "a close now stores the true place";
        release(k.x, k.y);  // the user lets go over the same control
        EXPECT_EQ(during, curColor);
        EXPECT_TRUE(IsWindow(w));
        EXPECT_FALSE(IsIconic(w));
        // The next gesture is an ordinary click.
        press(59, 74);
        release(59, 74);
        EXPECT_EQ(during + 20, curColor);
        expectIdle();
    }
    DestroyWindow(other);
}

// A release whose press went to another window does not click what lies
// under it.
TEST_F(Gesture, ReleaseWithoutAPressActsOnNothing)
{
    curColor = 0x101010;
    release(59, 74);
    release(70, 10);
    release(10, 10);
    EXPECT_EQ(0x101010u, curColor);
    EXPECT_EQ(8, snapTol);
    EXPECT_TRUE(IsWindow(w));
    expectIdle();
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
    // Over red's readout a high-resolution wheel's half notches add up to a step.
    LPARAM red = MAKELPARAM(windowRect.left + 40, windowRect.top + 74);
    for (uint32_t after : {0xFF0000u, 0xFF0001u}) {
        SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), red);
        EXPECT_EQ(after, curColor);
    }
}

TEST_F(Gesture, ControlCharactersBecomeCommandsInTheLoop)
{
    curColor = 0x0080FF;
    oldColor = 0x111111;
    paintSwatch(w, swatchRgn);
    setClipboardText("old");
    postChar(3);  // Ctrl+C
    runLoop();
    EXPECT_EQ("FF8000", clipboardText());

    setClipboardText("old");
    postChar(24);  // Ctrl+X copies and removes nothing
    runLoop();
    EXPECT_EQ("FF8000", clipboardText());
    EXPECT_EQ(0x0080FFu, curColor);

    postChar(26);  // Ctrl+Z swaps, twice restores
    runLoop();
    EXPECT_EQ(0x111111u, curColor);
    EXPECT_EQ(0x0080FFu, oldColor);
    postChar(26);
    postChar(26);
    runLoop();
    EXPECT_EQ(0x111111u, curColor);

    setClipboardText("336699");
    postChar(22);  // Ctrl+V
    runLoop();
    EXPECT_EQ(0x996633u, curColor);
    EXPECT_EQ(0x111111u, oldColor);

    postChar('R');  // a letter passes the accelerators and steps
    postChar(26);
    runLoop();
    EXPECT_EQ(0x996633u, curColor) << "the undo returns to before R";
    EXPECT_EQ(0x99663Du, oldColor);
}

TEST_F(Gesture, InsertWithControlOrShiftBecomesCopyOrPaste)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    curColor = 0x0A0B0C;
    paintSwatch(w, swatchRgn);
    setClipboardText("old");
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(w, WM_KEYDOWN, VK_INSERT, 0x01520001);
    runLoop();
    EXPECT_EQ("0C0B0A", clipboardText());

    keys[VK_CONTROL] = 0;
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    setClipboardText("102030");
    PostMessageA(w, WM_KEYDOWN, VK_INSERT, 0x01520001);
    runLoop();
    EXPECT_EQ(0x302010u, curColor);

    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    setClipboardText("405060");
    PostMessageA(w, WM_KEYDOWN, VK_INSERT, 0x01520001);
    runLoop();
    EXPECT_EQ(0x302010u, curColor) << "Insert alone is no command";
    EXPECT_EQ("405060", clipboardText());
}

TEST_F(Gesture, ClipboardBlocksAndPasteCases)
{
    curColor = 0x050505;
    paintSwatch(w, swatchRgn);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, CreateBitmap(2, 2, 1, 32, nullptr));
    CloseClipboard();
    sendPointer(w, WM_RBUTTONUP, 40, 74);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP)) << "a copy replaces every format";
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
        {"FF8000 and more", 0x0080FF}, {"#123456", 0x563412}, {"-1", 0xFFFFFF}, {"", 0},
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

// The hotkey's message from inside the window menu's loop, which Windows
// delivers there, and whether it started a pick.
int pickedInMenu = -1;
void CALLBACK hotkeyInMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    SendMessageA(mainWindow, WM_HOTKEY, 1, 0);
    pickedInMenu = pickerActive;
    EndMenu();
}

// The pick hotkey, minimised: the face back and a pick from the keyboard;
// again, the colour taken (the mean of a 5 by 5 square, one column of it
// the swatch's dark frame) and copied, as the menus asked. During a mouse
// gesture, a menu or a dialog it does nothing.
TEST_F(Gesture, PickHotkeyRestoresStartsAndTakesAsTheMenusAsk)
{
    SendMessageA(w, WM_COMMAND, cmdCopyOnPick, 0);  // a submenu's item comes as a command
    SendMessageA(w, WM_SYSCOMMAND, cmdSampleFirst + 0x20, 0);
    HMENU menu = GetSystemMenu(w, FALSE);
    SendMessageA(w, WM_INITMENU, (WPARAM)menu, 0);
    EXPECT_TRUE(GetMenuState(menu, cmdCopyOnPick, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, cmdSampleFirst + 0x20, MF_BYCOMMAND) & MF_CHECKED);
    press(40, 125);
    SendMessageA(w, WM_HOTKEY, 1, 0);
    EXPECT_EQ(0, pickerActive) << "during a window move";
    release(40, 125);
    SetTimer(nullptr, 0, 100, hotkeyInMenu);
    SendMessageA(w, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    EXPECT_EQ(0, pickedInMenu) << "while the window menu is open";
    EnableWindow(w, FALSE);  // as the copy template's dialog leaves it
    SendMessageA(w, WM_HOTKEY, 1, 0);
    EnableWindow(w, TRUE);
    EXPECT_EQ(0, pickerActive) << "while a dialog of the program's is open";
    curColor = 0x123456;
    ShowWindow(w, SW_MINIMIZE);
    pointer(19, 30);  // on the swatch's upper half, which a pick leaves as it was
    uint32_t frame = skinPixel(17, 30, false), mean = 0;
    for (int c = 0; c < 24; c += 8)
        mean |= ((frame >> c & 0xFF) + 4 * (curColor >> c & 0xFF) + 2) / 5 << c;
    SendMessageA(w, WM_HOTKEY, 1, 0);
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(1, pickerActive);
    SendMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0);
    flushScreen();
    setClipboardText("x");
    SendMessageA(w, WM_HOTKEY, 1, 0);
    SendMessageA(w, WM_HOTKEY, 1, 0);
    EXPECT_EQ(0, pickerActive);
    char copy[8];
    EXPECT_EQ(formatColorText(mean, copyHex, copy, sizeof copy), clipboardText());
}

// What the user takes goes into the history once; a step, three digits or
// a rejected paste do not. The History submenu, filled as it opens, shows
// the pinned colours first, each entry drawing its swatch; its items work
// from either door.
TEST_F(Gesture, HistoryKeepsWhatIsTakenAndItsMenuActsOnIt)
{
    HMENU history = GetSubMenu(GetSystemMenu(w, FALSE), 3);
    SendMessageA(w, WM_INITMENUPOPUP, (WPARAM)history, 3);
    ASSERT_EQ(8, GetMenuItemCount(history));
    EXPECT_TRUE(GetMenuState(history, 0, MF_BYPOSITION) & GetMenuState(history, 3, MF_BYPOSITION) &
                GetMenuState(history, cmdCopyAll, 0) & GetMenuState(history, cmdSavePalette, 0) &
                MF_GRAYED) << "(no colours yet), Clear, Copy all, Save";
    EXPECT_EQ(0u, GetMenuState(history, cmdOpenPalette, 0) & MF_GRAYED);
    curColor = 0x0080FF;
    SendMessageA(w, WM_COMMAND, cmdCopy, 0);
    SendMessageA(w, WM_CHAR, 'G', 0);
    sendPointer(w, WM_RBUTTONUP, 40, 74);
    setClipboardText("none");
    SendMessageA(w, WM_COMMAND, cmdPaste, 0);
    setClipboardText("336699");
    SendMessageA(w, WM_COMMAND, cmdPaste, 0);
    sendPointer(w, WM_RBUTTONUP, 40, 30);
    press(40, 30);
    SendMessageA(w, WM_TIMER, holdTimerId, 0);
    move(0, 0);
    release(0, 0);  // a pick of the black border
    SendMessageA(w, WM_SYSCOMMAND, cmdPin, 0);
    SendMessageA(w, WM_INITMENUPOPUP, (WPARAM)history, 3);
    ASSERT_EQ(12, GetMenuItemCount(history));
    EXPECT_EQ(0u, GetMenuState(history, cmdCopyAll, 0) & MF_GRAYED);
    SendMessageA(w, WM_SYSCOMMAND, cmdCopyAll, 0);
    EXPECT_EQ("000000\r\n336699\r\nFF8000", clipboardText()) << "the pinned one first, each once";
    char first[40], fourth[40];
    GetMenuStringA(history, 0, first, sizeof first, MF_BYPOSITION);
    GetMenuStringA(history, 4, fourth, sizeof fourth, MF_BYPOSITION);
    EXPECT_EQ(std::string("0&1 000000  black, 0&4 FF8000  near dark orange"),
              std::string(first) + ", " + fourth);
    EXPECT_EQ((UINT)MF_CHECKED, GetMenuState(history, cmdPin, 0) & (MF_CHECKED | MF_GRAYED));
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, 200, 40));
    ReleaseDC(nullptr, screen);
    DRAWITEMSTRUCT draw = {ODT_MENU, 0, cmdHistoryFirst + 0x30, 0, 0, (HWND)history, dc, {0, 0, 200, 40}, 0};
    EXPECT_TRUE(SendMessageA(w, WM_DRAWITEM, 0, (LPARAM)&draw));
    EXPECT_EQ(0x0080FFu, GetPixel(dc, 10, 20)) << "its swatch";
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    SendMessageA(w, WM_SYSCOMMAND, cmdHistoryFirst + 0x30, 0);
    EXPECT_EQ(0x0080FFu, curColor);
    SendMessageA(w, WM_COMMAND, cmdClearHistory, 0);
    EXPECT_EQ(0, recentColors.count);
    EXPECT_TRUE(isPinned(0));
    // A template's "&" makes no mnemonic, the tenth entry is numbered as the
    // first nine are, and a text too long for the menu ends in "...".
    strcpy(copyTemplate, "R&D {R}, {G}, {B}: a text of the template that goes on for longer than a menu");
    copyForm = copyCustom;
    for (uint32_t c = 1; c < 10; c++)
        rememberColor(c);
    SendMessageA(w, WM_INITMENUPOPUP, (WPARAM)history, 3);
    char tenth[100];
    GetMenuStringA(history, 10, tenth, sizeof tenth, MF_BYPOSITION);  // past the separator
    EXPECT_EQ("10 R&&D ...", std::string(tenth, 8) + (tenth + strlen(tenth) - 3)) << tenth;
}

// Colour vision copies the colour as a simulation shows it and takes
// nothing; a variation chosen is taken, with Shift copied, and Copy all
// copies them all. Each entry draws its swatch itself, and Shift with a
// digit (on the keyboard, "%" for 5) still chooses that digit's entry.
TEST_F(Gesture, ColourMenusCopyTakeAndDrawTheirSwatches)
{
    HMENU menu = GetSystemMenu(w, FALSE), vision = GetSubMenu(menu, 5), variations = GetSubMenu(menu, 6);
    curColor = 0x0080FF, oldColor = 0x102030;
    SendMessageA(w, WM_INITMENUPOPUP, (WPARAM)vision, 5);
    SendMessageA(w, WM_SYSCOMMAND, cmdVisionFirst + 0x30, 0);
    char text[40];
    formatColorText(simulateVision(0x0080FF, visionAchromatopsia), copyHex, text, 8);
    EXPECT_EQ(text, clipboardText());
    EXPECT_EQ(0, recentColors.count);
    uint32_t shown[variationCount];
    colorVariations(0x0080FF, shown);
    SendMessageA(w, WM_INITMENUPOPUP, (WPARAM)variations, 6);
    ASSERT_EQ(variationCount + 4, GetMenuItemCount(variations));
    GetMenuStringA(variations, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&1 tint +10%  FFB586  orange", text);
    EXPECT_EQ(MAKELRESULT(5, MNC_EXECUTE),
              SendMessageA(w, WM_MENUCHAR, MAKEWPARAM('%', MF_POPUP), (LPARAM)variations));
    // So do the plain items' keys: "&" for "&7 hsv(...)", the seventh form.
    EXPECT_EQ(MAKELRESULT(6, MNC_EXECUTE),
              SendMessageA(w, WM_MENUCHAR, MAKEWPARAM('&', MF_POPUP), (LPARAM)GetSubMenu(menu, 2)));
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, 200, 40));
    ReleaseDC(nullptr, screen);
    DRAWITEMSTRUCT item = {ODT_MENU, 0, cmdVariationFirst + 0x80, 0, 0, (HWND)variations, dc,
                           {0, 0, 200, 40}, 0};
    EXPECT_TRUE(SendMessageA(w, WM_DRAWITEM, 0, (LPARAM)&item));
    EXPECT_EQ(shown[8], GetPixel(dc, 10, 20)) << "the complement's swatch";
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    SendMessageA(w, WM_SYSCOMMAND, cmdVariationFirst + 0x80, 0);
    EXPECT_EQ(shown[8], curColor);
    EXPECT_EQ(0x0080FFu, oldColor);
    EXPECT_EQ(shown[8], recentColors.colors[0]);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(w, WM_SYSCOMMAND, cmdVariationFirst + 0x40, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(formatColorText(shown[4], copyHex, text, 8), clipboardText());
    EXPECT_EQ(shown[8], curColor);
    SendMessageA(w, WM_SYSCOMMAND, cmdCopyVariations, 0);
    EXPECT_EQ(variationCount * 8 - 2, clipboardText().size());
}

}  // namespace
