#include "hoverhelp.h"
#include "accessible.h"
#include "commonctl.h"
#include "texts.h"
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
static TTTOOLINFOW toolOf(HWND window, int i)
{
    TTTOOLINFOW tool = {};
    // The size every version of the common controls takes.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window;
    tool.uId = i;
    const FaceRect &a = faceAreas[readingOrder[i]];
    int k = faceScale;
    tool.rect = {a.left * k, a.top * k, a.right * k, a.bottom * k};
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

static void createHoverHelp(HWND window)
{
    tried = true;
    if (!loadCommonControls(ICC_BAR_CLASSES))
        return;
    // Owned by no window: under Wine an owned top-most pop-up keeps its
    // owner from going top-most itself.
    // Right to left, where the language is, from the start.
    DWORD rtl = textsRightToLeft() ? WS_EX_LAYOUTRTL : 0;
    tooltip = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | rtl, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              (HINSTANCE)GetWindowLongPtrW(window, GWLP_HINSTANCE), nullptr);
    if (!tooltip)
        return;
    for (int i = 0; i < controlCount; i++) {
        TTTOOLINFOW tool = toolOf(window, i);
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, (LPARAM)&tool);
    }
    placeHoverHelp(window);
}

void placeHoverHelp(HWND window)
{
    if (!tooltip)
        return;
    for (int i = 0; i < controlCount; i++) {
        TTTOOLINFOW tool = toolOf(window, i);
        SendMessageW(tooltip, TTM_NEWTOOLRECTW, 0, (LPARAM)&tool);
    }
    // The long hints wrap rather than run across the screen.
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 240 * faceScale);
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
        SendMessageW(tooltip, TTM_ACTIVATE, TRUE, 0);
    }
    MSG m = {window, msg, wp, lp, (DWORD)GetMessageTime(), {}};
    SendMessageW(tooltip, TTM_RELAYEVENT, 0, (LPARAM)&m);
    if (press)
        SendMessageW(tooltip, TTM_POP, 0, 0);
}

void hideHoverHelp(HWND)
{
    if (!tooltip)
        return;
    off = true;
    SendMessageW(tooltip, TTM_ACTIVATE, FALSE, 0);
    SendMessageW(tooltip, TTM_POP, 0, 0);
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
    NMTTDISPINFOW &info = *(NMTTDISPINFOW *)lp;
    if (info.hdr.hwndFrom != tooltip || info.hdr.code != TTN_GETDISPINFOW ||
        info.hdr.idFrom >= (UINT_PTR)controlCount)
        return;
    static wchar_t text[hintSize + 200];
    text[0] = '\0';
    if (!off && !anyButtonHeld()) {
        AreaId control = readingOrder[info.hdr.idFrom];
        wchar_t name[100], hint[hintSize];
        lstrcpynW(name, controlName(control), 100);
        if (control == snapId || control == topId)
            formatText(name, 100, toggleOn(control) ? textToggleOnTip : textToggleOffTip,
                       controlName(control));
        lstrcpynW(hint, controlHint(control), hintSize);
        // Not in the swatch's description: the magnifier is no control.
        if (control == swatchId) {
            wchar_t keys[hintSize];
            formatText(keys, hintSize, textHintJoin, uiText(textZoomPart), uiText(textVisionKeyPart));
            formatText(hint, hintSize, textHintJoin, controlHint(control), keys);
        }
        if (*hint)
            formatText(text, ARRAYSIZE(text), textNamedTip, name, hint);
        else
            lstrcpynW(text, name, ARRAYSIZE(text));
    }
    info.lpszText = text;
}

// Another language: the tip, right to left or not, made anew at the next
// hover.
void resetHoverHelp()
{
    if (tooltip)
        DestroyWindow(tooltip);
    tooltip = nullptr;
    tried = false;
}
