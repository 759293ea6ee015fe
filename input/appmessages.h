// The window's own messages and its timers, all numbered here so that no
// two share a number. Each message is sent or posted by the program to its
// own windows.
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

// The face's timers.
// A press on the swatch held long enough starts a pick (input/eyedropper.cpp).
const UINT_PTR holdTimerId = 1;
// A sample taken again once the screen no longer shows the magnifier where
// it was (input/eyedropper.cpp).
const UINT_PTR resampleTimerId = 2;
// The button watched while a gesture runs (input/gestureend.cpp).
const UINT_PTR buttonWatchTimerId = 3;
// The pointer read during a pick from the keyboard (input/keypick.cpp).
const UINT_PTR keyPickTimerId = 4;
// A live pick's screen read again while the pointer rests
// (input/eyedropper.cpp).
const UINT_PTR restTimerId = 5;
// A menu that waits for the gesture's release (input/gesture.cpp).
const UINT_PTR menuWaitTimerId = 6;
// The still copy taken once the screen no longer shows the magnifier
// (input/eyedropper.cpp).
const UINT_PTR freezeTimerId = 7;
// A watched point read again (input/watch.cpp).
const UINT_PTR watchTimerId = 8;
// An answer to the command line that was not taken in time sent again
// (app/commandrequest.cpp).
const UINT_PTR answerRetryTimerId = 9;
