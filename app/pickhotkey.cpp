#include "pickhotkey.h"
#include "commonctl.h"
#include "dialogs.h"
#include "instance.h"
#include "owndialog.h"
#include "core/options.h"
#include "input/gesture.h"
#include "input/keypick.h"
#include "res/resource.h"

#include <commctrl.h>

const int pickHotkeyId = 1;
// The low byte and the hotkey control's four flags.
const uint32_t controlForm = 0x0FFF;

static bool registered;   // the chosen hotkey is ours in the system

// RegisterHotKey's modifiers for a hotkey; held down, it fires once.
static UINT modifiersOf(uint32_t hotkey)
{
    UINT flags = hotkey >> 8, modifiers = MOD_NOREPEAT;
    if (flags & HOTKEYF_SHIFT)
        modifiers |= MOD_SHIFT;
    if (flags & HOTKEYF_CONTROL)
        modifiers |= MOD_CONTROL;
    if (flags & HOTKEYF_ALT)
        modifiers |= MOD_ALT;
    if (flags & hotkeyWinFlag)
        modifiers |= MOD_WIN;
    return modifiers;
}

static bool take(HWND window, uint32_t hotkey)
{
    return hotkey && RegisterHotKey(window, pickHotkeyId, modifiersOf(hotkey), hotkey & 0xFF);
}

void registerPickHotkey(HWND window)
{
    registered = take(window, pickHotkey);
}

void unregisterPickHotkey(HWND window)
{
    if (registered)
        UnregisterHotKey(window, pickHotkeyId);
    registered = false;
}

bool pickHotkeyRefused()
{
    return pickHotkey && !registered;
}

// A menu, a popup menu or the system's move or size loop runs its own loop
// and holds the pointer: a pick started meanwhile would end theirs.
static bool systemLoopRuns()
{
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetCurrentThreadId(), &gui);
    return gui.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_INMOVESIZE);
}

// A dialog of the program's own (the hotkey's, the copy template's, the
// palette's) disables the face while it is open: the keys belong to the
// dialog then. A menu asked for during a gesture waits for the gesture's
// button to be released and would then cancel the pick.
bool faceBusy(HWND window)
{
    return buttonDown || menuWaitRuns() || ownDialogOpen() || !IsWindowEnabled(window) ||
           systemLoopRuns();
}

// The window that had the keyboard when a pick from outside the face
// began, until that pick ends.
static HWND pickedFrom;

bool pickWithFaceForward(HWND window)
{
    if (faceBusy(window))
        return false;
    HWND before = GetForegroundWindow();
    // Restored here, not asynchronously: the pick starts on the face shown.
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    bringForward(window);
    SetFocus(window);
    startKeyPick(window);
    if (keyPickRuns())
        pickedFrom = before != window ? before : nullptr;
    return keyPickRuns();
}

// Only while the face still has the keyboard: a pick that a click in
// another program ended leaves it there. Under Wine the other program
// often kept the X keyboard focus all along, and the keys typed there
// would otherwise reach neither program.
void returnKeyboard(HWND window)
{
    HWND to = pickedFrom;
    pickedFrom = nullptr;
    HWND now = GetForegroundWindow();
    if (to && IsWindow(to) && (!now || now == window))
        SetForegroundWindow(to);
}

void onHotKey(HWND window, WPARAM id)
{
    if (id == pickHotkeyId)
        pickWithFaceForward(window);
}

// The old hotkey is let go first, since the new one takes its id; a new one
// the system refuses leaves the old one taken back.
static bool changePickHotkey(HWND window, uint32_t hotkey)
{
    if (hotkey == pickHotkey && registered)
        return true;
    bool had = registered;
    unregisterPickHotkey(window);
    if (!hotkey || take(window, hotkey)) {
        pickHotkey = hotkey;
        registered = hotkey != 0;
        return true;
    }
    registered = had && take(window, pickHotkey);
    return false;
}

static const DialogText texts[] = {
    {0, textHotkeyCaption},      {idHotkeyPrompt, textHotkeyPrompt}, {idHotkeyWin, textWithWinKey},
    {idHotkeyNone, textNoHotkey}, {IDOK, textOkButton},              {IDCANCEL, textCancelButton},
};
// The keys, which the control names, read left to right in any language.
static const int leftToRight[] = {idHotkeyKeys};

static void refuse(HWND dlg, TextId why)
{
    SetDlgItemTextW(dlg, idHotkeyRefused, uiText(why));
    fitDialogToTexts(dlg, leftToRight, ARRAYSIZE(leftToRight));
}

// The keys can be chosen only while None is not. The hotkey control does
// not repaint itself when it is enabled or disabled.
static void enableKeys(HWND dlg)
{
    bool on = IsDlgButtonChecked(dlg, idHotkeyNone) != BST_CHECKED;
    HWND keys = GetDlgItem(dlg, idHotkeyKeys);
    EnableWindow(keys, on);
    InvalidateRect(keys, nullptr, TRUE);
    EnableWindow(GetDlgItem(dlg, idHotkeyWin), on);
}

// Without the Windows key the control itself turns a key alone, or with
// Shift alone, into one with Ctrl and Alt as it is typed.
static void setKeyRules(HWND dlg)
{
    bool win = IsDlgButtonChecked(dlg, idHotkeyWin) == BST_CHECKED;
    SendDlgItemMessageA(dlg, idHotkeyKeys, HKM_SETRULES, win ? 0 : HKCOMB_NONE | HKCOMB_S,
                        HOTKEYF_CONTROL | HOTKEYF_ALT);
}

// With none chosen, the keys show the default, ready to be chosen again.
static void onInitHotkeyDialog(HWND dlg)
{
    showProgramIcon(dlg);
    showDialogTexts(dlg, texts, ARRAYSIZE(texts), leftToRight, ARRAYSIZE(leftToRight));
    uint32_t shown = pickHotkey ? pickHotkey : defaultPickHotkey;
    SendDlgItemMessageA(dlg, idHotkeyKeys, HKM_SETHOTKEY, shown & controlForm, 0);
    CheckDlgButton(dlg, idHotkeyWin, shown >> 8 & hotkeyWinFlag ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dlg, idHotkeyNone, pickHotkey ? BST_UNCHECKED : BST_CHECKED);
    enableKeys(dlg);
    setKeyRules(dlg);
}

// What the dialog shows; an emptied hotkey control is none too.
static uint32_t chosenHotkey(HWND dlg)
{
    uint32_t keys = (uint32_t)SendDlgItemMessageA(dlg, idHotkeyKeys, HKM_GETHOTKEY, 0, 0);
    if (IsDlgButtonChecked(dlg, idHotkeyNone) == BST_CHECKED || !(keys & 0xFF))
        return 0;
    bool win = IsDlgButtonChecked(dlg, idHotkeyWin) == BST_CHECKED;
    return (keys & controlForm) | (win ? hotkeyWinFlag << 8 : 0);
}

static void onHotkeyCommand(HWND dlg, WORD control)
{
    uint32_t chosen = chosenHotkey(dlg);
    switch (control) {
    case idHotkeyNone: enableKeys(dlg); break;
    case idHotkeyWin: setKeyRules(dlg); break;
    case IDCANCEL: EndDialog(dlg, IDCANCEL); break;
    case IDOK:
        if (chosen && !hotkeySparesTyping(chosen))
            refuse(dlg, textHotkeyCatchesTyping);
        else if (changePickHotkey(GetParent(dlg), chosen))
            EndDialog(dlg, IDOK);
        else
            refuse(dlg, textHotkeyTaken);
        break;
    }
}

static INT_PTR CALLBACK hotkeyDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: onInitHotkeyDialog(dlg); return TRUE;
    case WM_COMMAND: onHotkeyCommand(dlg, LOWORD(wp)); return TRUE;
    // The refusal shown goes; the rest in the language now in use.
    case languageChangedMsg:
        SetDlgItemTextW(dlg, idHotkeyRefused, L"");
        showDialogTexts(dlg, texts, ARRAYSIZE(texts), leftToRight, ARRAYSIZE(leftToRight));
        return TRUE;
    }
    return FALSE;
}

void choosePickHotkey(HWND window)
{
    if (!loadCommonControls(ICC_HOTKEY_CLASS) || !beginOwnDialog(window))
        return;
    runDialog(window, MAKEINTRESOURCEW(idHotkeyDialog), hotkeyDialogProc);
    endOwnDialog(window);
}
