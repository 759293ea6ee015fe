// The left-button gestures: arrow clicks and drag-adjust, title buttons and
// their hover, the window move and the eyedropper's hold, each from a press
// to the next release while the window holds the pointer capture.
#pragma once
#include <windows.h>

extern BYTE buttonDown;    // 1 from a press to the next release
extern BYTE dragMoving;    // 1 while the gesture moves the window
extern BYTE pickerActive;  // 1 while the eyedropper picks
extern POINT cursorPos;    // the pointer's screen position at the last event
extern POINT lastCursor;   // the screen position at the previous handled event

// The point of a pointer message: x the low and y the high 16 bits, each
// unsigned, so a point left of or above the window hits no region.
POINT messagePoint(LPARAM lp);

void onLeftButtonDown(HWND window, WPARAM wp, LPARAM lp);
void onMouseMove(HWND window, WPARAM wp, LPARAM lp);
void onLeftButtonUp(HWND window, WPARAM wp, LPARAM lp);
// The capture taken away in mid-gesture, by another window or by the
// system for the same one, ends the gesture as abandonGesture does.
void onCaptureChanged(HWND window, WPARAM wp, LPARAM lp);
// The gesture, if one runs, ends where it is, as a release that acts on no
// control: for a lost capture, a modal loop of the system (the window
// menu, a move or size loop) and a minimise.
void abandonGesture(HWND window);
// SetCapture by the program itself, which is no loss of the capture.
void takeCapture(HWND window);
// The last step of every end of a gesture: no arrow left pressed, the undo
// rule armed again and the button no longer watched.
void finishGesture(HWND window, HDC dc);
