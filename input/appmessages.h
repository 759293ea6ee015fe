// The window's own messages, all numbered here so that no two share a
// number. Each is sent or posted by the program to its own windows.
#pragma once
#include <windows.h>

// A restore is over: the window onto a monitor (app/window.cpp).
const UINT keepOnScreenMsg = WM_APP + 1;
// A key the pick's keyboard hook took, for the window: wParam the key,
// lParam 1 for a repeat and 2 with Shift held (input/keypick.cpp).
const UINT hookedKeyMsg = WM_APP + 2;
// A palette file named on a command line waits to be opened
// (app/commandrequest.cpp).
const UINT openPaletteMsg = WM_APP + 3;
// A dialog of the program's has closed: the keyboard back to the face
// (app/owndialog.cpp).
const UINT dialogClosedMsg = WM_APP + 4;
// Sent to the face and to each dialog of the program's that is open once
// another language is in use: each shows its texts anew (app/texts.cpp).
const UINT languageChangedMsg = WM_APP + 5;
