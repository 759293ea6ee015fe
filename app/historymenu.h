// The History submenu of the program's items: the pinned colours, then the
// recent ones, each with a swatch of its colour and its text, then Pin and
// Clear. Whichever menu holds it, it is filled as it opens, from the lists
// as they stand then.
#pragma once
#include <windows.h>

// A History submenu for insertProgramItems, known by its menu data.
HMENU createHistoryMenu();
bool isHistoryMenu(HMENU menu);
// WM_INITMENUPOPUP of a History submenu: the entries, Pin's check mark and
// the greyed items.
void fillHistoryMenu(HWND window, HMENU menu);
// A command of the submenu, from whichever menu: done, and true; any other
// command: false.
bool runHistoryCommand(HWND window, UINT command);
