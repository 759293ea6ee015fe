// The ends of a gesture that come without a release of the window's own: a
// release the window was never told of, noticed by watching the button
// while a gesture runs, and Escape, which cancels the gesture.
#pragma once
#include <windows.h>

// The watch on the button runs only while a gesture does. Its period keeps
// a lost release from going unnoticed for longer than about 50 ms.
const UINT_PTR buttonWatchTimerId = 3;
const UINT buttonWatchMs = 30;

// At each press, once windowRect is fresh: what a cancel puts back, and
// the watch begins.
void watchGesture(HWND window);
// At every end of a gesture.
void unwatchGesture(HWND window);
// The watch's timer: the primary button up while the gesture still runs
// ends it exactly as its release at the pointer's present place would.
void onButtonWatchTimer(HWND window);
// Escape: the gesture ends and what it changed goes back to how it was at
// the press; the release that follows acts on nothing. With no gesture,
// nothing happens.
void cancelGesture(HWND window);
