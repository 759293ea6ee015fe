// The window menu (Alt+Space, or the taskbar button's menu): the two
// toggles, each checked while on, and the copy form as radio items in a
// submenu, above the system's own items, so that the keyboard reaches
// every command of the face.
#pragma once
#include <windows.h>

// At WM_CREATE: the items and a separator at the top of the menu.
void addWindowMenuItems(HWND window);
// WM_INITMENU: the check marks as the options stand.
void onInitMenu(HWND window, WPARAM wp);
// WM_SYSCOMMAND: true when it was one of ours and has been done; the
// system's own commands go on to the default handling.
bool onSysCommand(HWND window, WPARAM wp);
