#include "keypick.h"
#include "eyedropper.h"
#include "gesturestate.h"
#include "core/color.h"

// The pointer is read this often while no message tells of its moves:
// with no button held the system reports none over other programs' windows.
const UINT_PTR keyPickTimerId = 4;
const UINT keyPickPollMs = 15;

static bool running;
// While a pick from the keyboard runs: the hook that takes its keys.
static HHOOK keyHook;
static HWND pickWindow;
// The colour pair from before the pick, for a cancel.
static uint32_t startColor, startOldColor;
// Set by the press that ended a pick until the next press of its own: that
// press's release, and the double-click it begins, belong to the pick.
static bool endingClick;

bool arrowMovesPick(HWND window, WPARAM key)
{
    // The keys may have come through the hook, past this thread's own
    // record of the keyboard.
    int by = GetAsyncKeyState(VK_SHIFT) < 0 ? 10 : 1;
    switch (key) {
    case VK_LEFT: movePickBy(window, -by, 0); return true;
    case VK_RIGHT: movePickBy(window, by, 0); return true;
    case VK_UP: movePickBy(window, 0, -by); return true;
    case VK_DOWN: movePickBy(window, 0, by); return true;
    }
    return false;
}

static bool pickKey(DWORD key)
{
    return key == VK_RETURN || key == VK_SPACE || key == VK_ESCAPE || (key >= VK_LEFT && key <= VK_DOWN);
}

// Under Wine a window that a window manager holds is activated without the
// X keyboard focus: the keys pressed where the pick hotkey was (another
// program's window) would go on reaching that program, and the pick would
// hear none. The keys the pick uses are taken before any window gets them
// and handed to the face; the others go where they would. A key whose
// state is down already before this press (the state is read before the
// system records it) repeats.
static LRESULT CALLBACK takePickKey(int code, WPARAM wp, LPARAM lp)
{
    const KBDLLHOOKSTRUCT &key = *(const KBDLLHOOKSTRUCT *)lp;
    if (code != HC_ACTION || (wp != WM_KEYDOWN && wp != WM_KEYUP) || !pickKey(key.vkCode))
        return CallNextHookEx(nullptr, code, wp, lp);
    if (wp == WM_KEYDOWN)
        PostMessageA(pickWindow, WM_KEYDOWN, key.vkCode,
                     GetAsyncKeyState(key.vkCode) < 0 ? 0x40000001 : 1);
    return 1;
}

// The preview shows the pixel under the pointer at once, wherever it is.
void startKeyPick(HWND window)
{
    if (running || buttonDown || pickerActive)
        return;
    startColor = curColor;
    startOldColor = oldColor;
    GetCursorPos(&cursorPos);
    lastCursor = cursorPos;
    beginPick(window);
    grabPickPointer();
    running = true;
    pickWindow = window;
    keyHook = SetWindowsHookExA(WH_KEYBOARD_LL, takePickKey, GetModuleHandleA(nullptr), 0);
    SetTimer(window, keyPickTimerId, keyPickPollMs, nullptr);
    sampleUnderPointer(window);
}

// Taken, with the undo point the start set, or cancelled with the colour
// pair as it was. Cleared first: the capture's loss that the release
// reports then finds no pick to end.
static void endKeyPick(HWND window, bool take)
{
    running = false;
    if (keyHook)
        UnhookWindowsHookEx(keyHook);
    keyHook = nullptr;
    KillTimer(window, keyPickTimerId);
    if (take) {
        endPick(window);
    } else {
        curColor = startColor;
        oldColor = startOldColor;
        dropPick(window);
    }
    releaseOwnCapture(window);
}

void cancelKeyPick(HWND window)
{
    if (running)
        endKeyPick(window, false);
}

static void followPointer(HWND window)
{
    POINT at;
    GetCursorPos(&at);
    if (at.x == lastCursor.x && at.y == lastCursor.y)
        return;
    cursorPos = lastCursor = at;
    sampleUnderPointer(window);
}

// A held Enter or Space repeats: only a fresh press ends the pick, not the
// repeat of the one that began it.
static void onPickKey(HWND window, WPARAM key, LPARAM lp)
{
    if ((key == VK_RETURN || key == VK_SPACE) && !(lp & 0x40000000))
        endKeyPick(window, true);
    else if (key == VK_ESCAPE)
        endKeyPick(window, false);
    else
        arrowMovesPick(window, key);
}

// A left press takes the colour under the pointer, as Enter does; any other
// press cancels, as Escape does.
static void onPickPress(HWND window, bool take)
{
    if (take)
        followPointer(window);
    endKeyPick(window, take);
    endingClick = true;
}

// After the press that ended a pick: its release and a double-click's
// second press do nothing; a press of its own is the face's again.
static bool endingClickTakes(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: endingClick = false; return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: return true;
    }
    return false;
}

bool keyPickTakes(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!running)
        return endingClick && endingClickTakes(msg);
    switch (msg) {
    case WM_KEYDOWN: onPickKey(window, wp, lp); return true;
    case WM_HOTKEY: endKeyPick(window, true); return true;
    case WM_MOUSEMOVE: followPointer(window); return true;
    case WM_TIMER:
        if (wp != keyPickTimerId)
            return false;
        followPointer(window);
        return true;
    case WM_KILLFOCUS: endKeyPick(window, false); return false;
    case WM_CAPTURECHANGED:
        if (captureTakenAway())
            endKeyPick(window, false);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: onPickPress(window, true); return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: onPickPress(window, false); return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL: return true;
    }
    return false;
}
