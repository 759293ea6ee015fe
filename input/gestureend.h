// The ends of a gesture that come without a release of the window's own: a
// release the window was never told of, noticed by watching the button
// while a gesture runs, and Escape, which cancels the gesture.
#pragma once
#include <windows.h>
#include "appmessages.h"

// The watch on the button runs only while a gesture does. Its period keeps
// a lost release from going unnoticed for longer than about 50 ms.
const UINT buttonWatchMs = 30;

// At each press, once windowRect is fresh: what a cancel puts back, and
// the watch begins where the button's state can be read.
void watchGesture(HWND window);
// Whether Escape cancelled the last press: the next press is then a
// press of its own, also within the double-click time.
bool pressWasCancelled();
// At every end of a gesture.
void unwatchGesture(HWND window);
// The last step of every end of a gesture: no arrow left pressed, the undo
// rule armed again and the button no longer watched.
void finishGesture(HWND window, HDC dc);
// Neither physical button is down.
bool buttonsUp();
// The watch's timer: no button down while the gesture still runs
// ends it exactly as its release at the pointer's present place would,
// with the pointer messages the window missed.
void onButtonWatchTimer(HWND window);
// Escape: the gesture ends and what it changed goes back to how it was at
// the press; the release that follows acts on nothing. With no gesture,
// nothing happens.
void cancelGesture(HWND window);
