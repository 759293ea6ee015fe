// What every gesture shares: the flags that say which gesture runs, the
// pointer's positions and the window's own pointer capture. The gesture
// machine, the eyedropper and the watch on the button read and set these
// here, so none of them needs another for them.
#pragma once
#include <windows.h>

extern BYTE buttonDown;    // 1 from a press to the next release
extern BYTE dragMoving;    // 1 while the gesture moves the window
extern BYTE pickerActive;  // 1 while the eyedropper picks, from the mouse or the keyboard
extern POINT cursorPos;    // the pointer's screen position at the last event
extern POINT lastCursor;   // the screen position at the previous handled event

// Whether a gesture runs, a mouse one or a pick: the colour is then the
// gesture's, and what would change it otherwise waits.
bool gestureRuns();

// The point of a pointer message: x the low and y the high 16 bits, each
// unsigned, so a point left of or above the window hits no region.
POINT messagePoint(LPARAM lp);

// SetCapture by the program itself, which is no loss of the capture.
void takeCapture(HWND window);
// The capture let go, only while the program still holds what it took:
// a capture another owner has since taken (the window menu takes the
// window's own) is that owner's to end.
void releaseOwnCapture(HWND window);
// WM_CAPTURECHANGED: false for a change the program made itself; true for
// a capture taken away, which the program then no longer holds.
bool captureTakenAway();
