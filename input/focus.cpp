#include "focus.h"
#include "actions.h"
#include "keypick.h"
#include "skin/announce.h"
#include "skin/focusring.h"

// Page Up and Page Down step as a click on an arrow does.
const uint32_t pageStep = 20;

static int focusAt = -1;  // the focused control's place in readingOrder; -1 for none
static bool cueHidden;    // set by a mouse press, cleared by Tab and Shift+Tab

AreaId focusedControl()
{
    return focusAt < 0 ? areaCount : readingOrder[focusAt];
}

static void showCue(HWND window, bool windowFocused)
{
    showFocusRing(window, windowFocused && !cueHidden ? focusedControl() : areaCount);
}

// The focus onto the control at a place in readingOrder, or onto the face
// itself at -1: the ring shown there and a reader told.
static void focusPlace(HWND window, int at)
{
    focusAt = at;
    cueHidden = false;
    showCue(window, GetFocus() == window);
    announceFocus(window, focusedControl());
}

// Both ways round; the first Tab goes to the first control, the first
// Shift+Tab to the last.
static void moveFocus(HWND window, bool forward)
{
    if (focusAt < 0)
        focusPlace(window, forward ? 0 : controlCount - 1);
    else
        focusPlace(window, (focusAt + (forward ? 1 : controlCount - 1)) % controlCount);
}

bool focusControl(HWND window, AreaId control)
{
    if (GetFocus() != window)
        return false;
    focusPlace(window, childIdOf(control) - 1);
    return true;
}

// Space or Enter: a click on the control, and on the swatch the pick from
// the keyboard. Held down, only an arrow acts again at each repeat: a
// toggle would flicker, and a repeat would end the pick it began.
static void pressFocused(HWND window, bool repeat)
{
    AreaId control = focusedControl();
    if (control == swatchId && !repeat)
        startKeyPick(window);
    else if (!repeat || isArrow(control))
        clickControl(window, control);
}

void onFocusKey(HWND window, WPARAM key, LPARAM lp)
{
    bool repeat = lp & 0x40000000;
    switch (key) {
    case VK_TAB: moveFocus(window, GetKeyState(VK_SHIFT) >= 0); break;
    case VK_SPACE:
    case VK_RETURN: pressFocused(window, repeat); break;
    case VK_RIGHT:
    case VK_UP: stepRow(focusedControl(), true, 1); break;
    case VK_LEFT:
    case VK_DOWN: stepRow(focusedControl(), false, 1); break;
    case VK_PRIOR: stepRow(focusedControl(), true, pageStep); break;
    case VK_NEXT: stepRow(focusedControl(), false, pageStep); break;
    }
}

void onFocusMouse(HWND window, UINT msg)
{
    bool press = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN ||
                 msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
    if (press && !cueHidden) {
        cueHidden = true;
        showCue(window, false);
    }
}

void onSetFocus(HWND window)
{
    showCue(window, true);
    if (focusAt >= 0)
        announceFocus(window, focusedControl());
}

void onKillFocus(HWND window)
{
    showCue(window, false);
}
