// The colour as CF_TEXT on the system clipboard, both ways. A clipboard
// held by another program is never waited for.
#pragma once
#include <windows.h>

// False when the text could not be put there.
bool copyTextToClipboard(HWND window, const char *text);
// The whole colour in the copy form, or as a given text of it (a copy form
// chosen once): every door that copies the colour comes here, and a copy
// that reached the clipboard is a taking (takeColor).
void copyColor(HWND window);
void copyColorAs(HWND window, const char *text);
// The clipboard's text read as a colour; one that is a colour is set
// through takeColor.
void pasteFromClipboard(HWND window);
