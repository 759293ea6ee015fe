// The colour as CF_TEXT on the system clipboard, both ways. A clipboard
// held by another program is never waited for.
#pragma once
#include <windows.h>

void copyTextToClipboard(HWND window, const char *text);
void pasteFromClipboard(HWND window);
