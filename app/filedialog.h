// The system's Open and Save As dialogs for a palette file, with Unicode
// names and the palette types in their lists.
#pragma once
#include <windows.h>

#include "core/palette.h"

// The file chosen, the extension of its name in ASCII (any other character
// as "?", cut after 7) and the type chosen in the dialog's list as the
// format's number (paletteFormatCount for "every palette"). The name is
// the one either dialog opens with next.
struct ChosenFile {
    const wchar_t *name;
    char extension[8];
    unsigned listed;
};

// The extension of the name's last part, as ChosenFile holds it; empty
// where it has none.
void nameExtension(const wchar_t *name, char extension[8]);
// Asks for a file to save to (with the system's question before it
// replaces one) or to open; false when none was chosen. Asked for again
// while one is open (the face is sent commands from outside its own input
// meanwhile), the open one comes forward.
bool askPaletteFile(HWND owner, bool save, ChosenFile &chosen);
