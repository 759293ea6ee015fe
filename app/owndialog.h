// The program's dialogs, one at a time: the copy template's, the pick
// hotkey's, the palette's file dialogs and its messages. While one is open
// the face waits (faceBusy); one asked for meanwhile brings the open one
// forward instead. Once it has closed, the face has the keyboard again.
#pragma once
#include <windows.h>

bool ownDialogOpen();
// Before a dialog opens: true, the dialog then counted open, where none
// is; false where one is, which comes forward.
bool beginOwnDialog(HWND window);
// After it has closed.
void endOwnDialog(HWND window);
// dialogClosedMsg: the keyboard focus given to the face once more.
void onDialogClosed(HWND window);
