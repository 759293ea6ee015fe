// The context menu, at the swatch: the colour in every copy form, each
// item showing its text and copying it once (the copy form stays), the
// contrast with the previous colour and the fix of a contrast that fails
// AA (the nearest lightness of the colour that passes, taken in its place),
// then the window menu's own items, built by the same code. Under a window
// manager Alt+Space opens the manager's menu, not the program's: this menu
// reaches the commands there.
#pragma once
#include <windows.h>

// WM_CONTEXTMENU, which the system makes of Shift+F10 (the face makes it of
// no click: a right-button release copies or does nothing), once no button
// holds a gesture: the menu opens and what is chosen is done. A pick from
// the keyboard ends first.
void onContextMenu(HWND window);
// WM_KEYUP: the Menu key's release is made WM_CONTEXTMENU (Windows would
// do so, Wine does not); true then. Other keys go on to the default
// handling.
bool onKeyUp(HWND window, WPARAM key);
