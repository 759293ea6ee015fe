// The colours copied to and pasted from the system clipboard, as text: the
// doors of the clipboard. A clipboard held by another program is never
// waited for.
#pragma once
#include <windows.h>
#include <cstdint>

// Colours, up to colorLinesMost of them, in the copy form, one a line; not
// a taking.
const int colorLinesMost = 64;
bool copyColorLines(HWND window, const uint32_t *colors, int count);
// The whole colour in the copy form, or as a given text of it (a copy form
// chosen once): every door that copies the colour comes here, and a copy
// that reached the clipboard is a taking (takeColor).
void copyColor(HWND window);
void copyColorAs(HWND window, const char *text);
// The clipboard's text read as a colour; one that is a colour is set
// through takeColor.
void pasteFromClipboard(HWND window);
