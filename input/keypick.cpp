#include "keypick.h"
#include "eyedropper.h"
#include "gesture.h"
#include "core/color.h"

// The pointer is read this often while no message tells of its moves:
// with no button held the system reports none over other programs' windows.
const UINT_PTR keyPickTimerId = 4;
const UINT keyPickPollMs = 15;

static bool running;
// The colour pair from before the pick, for a cancel.
static uint32_t startColor, startOldColor;

bool arrowMovesPick(HWND window, WPARAM key)
{
    int by = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
    switch (key) {
    case VK_LEFT: movePickBy(window, -by, 0); return true;
    case VK_RIGHT: movePickBy(window, by, 0); return true;
    case VK_UP: movePickBy(window, 0, -by); return true;
    case VK_DOWN: movePickBy(window, 0, by); return true;
    }
    return false;
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
    running = true;
    SetTimer(window, keyPickTimerId, keyPickPollMs, nullptr);
    sampleUnderPointer(window);
}

// Taken, with the undo point the start set, or cancelled with the colour
// pair as it was. Cleared first: the capture's loss that ReleaseCapture
// reports then finds no pick to end.
static void endKeyPick(HWND window, bool take)
{
    running = false;
    KillTimer(window, keyPickTimerId);
    if (take) {
        endPick(window);
    } else {
        curColor = startColor;
        oldColor = startOldColor;
        dropPick(window);
    }
    ReleaseCapture();
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

bool keyPickTakes(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!running)
        return false;
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
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: endKeyPick(window, false); return true;
    case WM_CHAR:
    case WM_COMMAND:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOUSEWHEEL: return true;
    }
    return false;
}
