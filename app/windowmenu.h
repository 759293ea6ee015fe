// The window menu (Alt+Space, or the taskbar button's menu): the two
// toggles, each checked while on, the copy form as radio items in a
// submenu, the sixth of which opens the copy template's dialog, with the
// copy after each pick, the history of the colours taken in another
// submenu, the sample size likewise, the Colour vision and Variations
// submenus, the still screen's toggle, the end of a watch on a point, the
// pick hotkey's dialog and the language, above the system's own items, so
// that the keyboard reaches every command of the face. Maximize and Size
// are not offered.
#pragma once
#include <windows.h>

#include "menutext.h"
#include "core/colortext.h"

// The program's own items, in the order shown, from position on; returns
// the position after them. The window menu and any other menu of the
// program's commands are built by this one function, with the same
// letters.
UINT insertProgramItems(HMENU menu, UINT position, bool contextMenu);
// The pick hotkey's item as it reads now.
const wchar_t *hotkeyItem(bool contextMenu);
// The check marks of the program's items in menu, as the options stand,
// and the pick hotkey's item as the hotkey stands (its letter another in
// the context menu).
void markProgramItems(HMENU menu, bool contextMenu = false);
// The key of a copy form's item in the menus: 1 to 9, 0, then K.
char copyFormKey(CopyForm form);
// One of the program's items chosen, from whichever menu: done, and true;
// any other command: false.
bool runProgramCommand(HWND window, UINT command);

// At WM_CREATE, and again in another language: the items and a separator
// at the top of the menu.
void addWindowMenuItems(HWND window);
// WM_INITMENU: the check marks as the options stand.
void onInitMenu(HWND window, WPARAM wp);
// WM_INITMENUPOPUP: a History submenu, wherever it sits, filled as it opens.
void onInitMenuPopup(HWND window, WPARAM wp);
// WM_UNINITMENUPOPUP: the menu mode ends as the window menu closes.
void onUninitMenuPopup(HWND window, WPARAM wp);
// WM_EXITMENULOOP: the face whole again where the menu drew on it.
void onExitMenuLoop(HWND window);
// WM_MENUCHAR, after the swatch entries' keys: L, the key that starts a
// watch during a pick, chooses Stop watching in the window menu and the
// context menu, in every language; 0 for any other key.
LRESULT onWatchMenuChar(WPARAM wp, LPARAM lp);
// WM_SYSCOMMAND: true when it was one of ours and has been done; the
// system's own commands go on to the default handling.
bool onSysCommand(HWND window, WPARAM wp);
