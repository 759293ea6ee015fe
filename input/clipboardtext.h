// A text put on the system clipboard, as Unicode, for every copy the
// program makes; a clipboard held by another program is never waited for.
#pragma once
#include <windows.h>

// False when the text could not be put there.
bool copyTextToClipboard(HWND window, const char *text);
