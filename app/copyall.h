// "Copy all" of the History submenu: every colour of the History in the
// copy form, one a line, on the clipboard. Not a taking: the History stays
// as it is.
#pragma once
#include <windows.h>

void copyAllColors(HWND window);
