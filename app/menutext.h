// A text of the program's own as a menu item shows it, in any of its menus.
#pragma once

// The longest text of a menu item the program makes, its zero byte
// included: a longer one would make the menu wide.
const int menuItemSize = 80;
// A text as a menu item shows it after a prefix (the item's own mnemonic):
// each "&" doubled, so that none underlines a letter or makes a mnemonic,
// and cut with "..." where it would not fit in menuItemSize bytes.
void menuItemText(const char *prefix, const char *text, char out[menuItemSize]);
