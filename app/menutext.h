// A text of the program's own as a menu item shows it, in any of its menus.
#pragma once
#include <cwchar>

// The longest text of a menu item that shows a colour, its zero included:
// a longer one would make the menu wide.
const int menuItemSize = 80;
// A text as a menu item shows it after a prefix (the item's own mnemonic):
// each "&" doubled, so that none underlines a letter or makes a mnemonic,
// and cut with "..." where it would not fit in menuItemSize bytes.
void menuItemText(const wchar_t *prefix, const wchar_t *text, wchar_t out[menuItemSize]);
