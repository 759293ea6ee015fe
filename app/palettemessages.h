// What the palette items say when a file could not be saved or read, or
// was read in part: one message box each, its texts kept together here.
#pragma once
#include <windows.h>

#include "safewrite.h"

// A save that did not end in saveDone, said; saveDone says nothing.
void tellSaveOutcome(HWND window, SaveOutcome outcome);
// A file too large for a palette, or one that could not be read.
void tellFileUnread(HWND window, bool tooLarge);
// A palette opened: no colour found, or fewer pinned than the distinct
// colours found, and the entries left out; nothing where all went well.
void tellPaletteOpened(HWND window, size_t found, size_t distinct, size_t pinned, size_t skipped);
