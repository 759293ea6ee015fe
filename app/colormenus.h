// The Colour vision and Variations submenus of the program's items, each
// entry with a swatch, its text in the copy form and its colour's family.
// Colour vision: the current colour as each colour-vision deficiency shows
// it; choosing one copies it. Variations: the current colour's tints,
// shades and turned hues; choosing one takes it, with Shift copies it, and
// Copy all copies them all. Whichever menu holds them, they are filled as
// they open, from the current colour then.
#pragma once
#include <windows.h>

HMENU createVisionMenu();
HMENU createVariationsMenu();
// WM_INITMENUPOPUP: true when the menu was one of them, now filled.
bool fillColorMenu(HWND window, HMENU menu);
// A command of either, from whichever menu: done, and true; any other
// command: false.
bool runColorMenuCommand(HWND window, UINT command);
