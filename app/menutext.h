// The texts of the menu items the program makes of colours' texts.
#pragma once

// The longest text of a menu item that shows a colour, its zero included:
// a longer one would make the menu wide.
const int menuItemSize = 80;
// A text as a menu item shows it after a prefix (the item's own mnemonic):
// each "&" doubled, so that none underlines a letter or makes a mnemonic,
// and cut with "..." where it would not fit in menuItemSize characters.
void menuItemText(const wchar_t *prefix, const wchar_t *text, wchar_t out[menuItemSize]);
