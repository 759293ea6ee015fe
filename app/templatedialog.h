// The copy template's dialog (Copy format, "&6 Custom..."): one edit box
// holding the template, a line that shows the current colour through it as
// it is typed, OK and Cancel.
#pragma once
#include <windows.h>

// Runs the dialog over the window. OK sets the template typed and returns
// true; Cancel, or a dialog that could not open, changes nothing. Asked for
// while it is open, it brings the open one forward and returns false.
bool editCopyTemplate(HWND window);
