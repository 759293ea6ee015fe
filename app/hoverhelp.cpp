#include "hoverhelp.h"
#include "accessible.h"
#include "commonctl.h"
#include "input/actions.h"
#include "input/gesture.h"
#include "skin/regions.h"

#include <commctrl.h>

// Made at the first hover: nobody needs a tip before the pointer is on the
// face.
static HWND tooltip;
static bool tried;
// Set by a press or a pick's start until the pointer moves with no button
// held and no pick running: a show already due would otherwise still come,
// over the gesture.
static bool off;

// The tool over control i of readingOrder; its text is asked for at each
// showing, so a toggle's tip tells its state of the moment.
static TTTOOLINFOA toolOf(HWND window, int i)
{
    TTTOOLINFOA tool = {};
    // The size every version of the common controls takes.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window;
    tool.uId = i;
    const FaceRect &a = faceAreas[readingOrder[i]];
    int k = faceScale;
    tool.rect = {a.left * k, a.top * k, a.right * k, a.bottom * k};
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    return tool;
}

static void createHoverHelp(HWND window)
{
    tried = true;
    if (!loadCommonControls(ICC_BAR_CLASSES))
        return;
    // Owned by no window: under Wine an owned top-most pop-up keeps its
    // owner from going top-most itself.
    tooltip = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE), nullptr);
    if (!tooltip)
        return;
    for (int i = 0; i < controlCount; i++) {
        TTTOOLINFOA tool = toolOf(window, i);
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, (LPARAM)&tool);
    }
    placeHoverHelp(window);
}

void placeHoverHelp(HWND window)
{
    if (!tooltip)
        return;
    for (int i = 0; i < controlCount; i++) {
        TTTOOLINFOA tool = toolOf(window, i);
        SendMessageA(tooltip, TTM_NEWTOOLRECTA, 0, (LPARAM)&tool);
    }
    // The long hints wrap rather than run across the screen.
    SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, 240 * faceScale);
}

void relayToHoverHelp(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_MOUSEMOVE && buttonDown)
        return;
    if (!tried && msg == WM_MOUSEMOVE)
        createHoverHelp(window);
    if (!tooltip)
        return;
    bool press = msg != WM_MOUSEMOVE && msg != WM_LBUTTONUP && msg != WM_RBUTTONUP &&
                 msg != WM_MBUTTONUP;
    if (press) {
        hideHoverHelp(window);
    } else if (off && msg == WM_MOUSEMOVE && !pickerActive) {
        off = false;
        SendMessageA(tooltip, TTM_ACTIVATE, TRUE, 0);
    }
    MSG m = {window, msg, wp, lp, (DWORD)GetMessageTime(), {}};
    SendMessageA(tooltip, TTM_RELAYEVENT, 0, (LPARAM)&m);
    if (press)
        SendMessageA(tooltip, TTM_POP, 0, 0);
}

void hideHoverHelp(HWND)
{
    if (!tooltip)
        return;
    off = true;
    SendMessageA(tooltip, TTM_ACTIVATE, FALSE, 0);
    SendMessageA(tooltip, TTM_POP, 0, 0);
}

// A tip asked for while a button is held or a pick runs, or after a press
// or a menu hid the tips, gets no text, and a tooltip with no text does not
// show: a tip that was due when the press came or the menu opened stays
// away (the tooltip's timer runs on under a menu that the keyboard opened
// while the pointer rests on the face).
static bool anyButtonHeld()
{
    return gestureRuns() || GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0 ||
           GetKeyState(VK_MBUTTON) < 0;
}

void onNotify(HWND, LPARAM lp)
{
    NMTTDISPINFOA &info = *(NMTTDISPINFOA *)lp;
    if (info.hdr.hwndFrom != tooltip || info.hdr.code != TTN_GETDISPINFOA ||
        info.hdr.idFrom >= (UINT_PTR)controlCount)
        return;
    static char text[512];
    text[0] = '\0';
    auto add = [](const char *piece) {
        int n = lstrlenA(text);
        lstrcpynA(text + n, piece, (int)sizeof text - n);
    };
    if (!off && !anyButtonHeld()) {
        AreaId control = readingOrder[info.hdr.idFrom];
        add(controlName(control));
        if (control == snapId || control == topId)
            add(toggleOn(control) ? " (on)" : " (off)");
        if (*controlHint(control)) {
            add(": ");
            add(controlHint(control));
        }
        // Not in the swatch's description: the magnifier is no control.
        if (control == swatchId)
            add("; while picking, the wheel or + and - zoom the magnifier");
    }
    info.lpszText = text;
}
