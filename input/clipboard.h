// The colour copied to and pasted from the system clipboard (CF_TEXT): the
// doors of the clipboard that are takings. A clipboard held by another
// program is never waited for.
#pragma once
#include <windows.h>

// The whole colour in the copy form, or as a given text of it (a copy form
// chosen once): every door that copies the colour comes here, and a copy
// that reached the clipboard is a taking (takeColor).
void copyColor(HWND window);
void copyColorAs(HWND window, const char *text);
// The clipboard's text read as a colour; one that is a colour is set
// through takeColor.
void pasteFromClipboard(HWND window);
