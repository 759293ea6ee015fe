// The History submenu's palette items: the History as text and as a
// palette file, and a palette file's colours pinned, through the system's
// Open and Save As dialogs. The formats themselves are core/palette.h's,
// the dialogs filedialog.h's, the safe write safewrite.h's and what is said
// palettemessages.h's.
#pragma once
#include <windows.h>

// "Copy all", "Save palette..." and "Open palette..." at the end of a
// History submenu; the first two greyed while the History is empty.
void appendPaletteItems(HMENU menu);
// A command of those items: done, and true; any other command: false.
bool runPaletteCommand(HWND window, UINT command);
// The file's colours pinned as "Open palette..." pins them, in the format
// its extension names; what did not fit, or could not be read, said.
void openPaletteFile(HWND window, const wchar_t *name);
