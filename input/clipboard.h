// The colour as CF_TEXT on the system clipboard, both ways. A clipboard
// held by another program is never waited for.
#pragma once
#include <windows.h>

// False when the text could not be put there.
bool copyTextToClipboard(HWND window, const char *text);
// The whole colour in the copy form, or as a given text of it (a copy form
// chosen once): every door that copies the colour comes here, and the
// colour copied is one the user took.
void copyColor(HWND window);
void copyColorAs(HWND window, const char *text);
// A paste that sets a colour is a taking too. The text is read no further
// than size bytes or its first zero byte; true when it set a colour.
void pasteFromClipboard(HWND window);
bool pasteColorText(HWND window, const char *text, size_t size);
