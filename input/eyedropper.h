// The eyedropper: a press held 400 ms on the swatch starts a pick that
// reads the screen pixel under the pointer at every move, with a magnifier
// beside the pointer until the pick ends.
#pragma once
#include <windows.h>

const UINT_PTR holdTimerId = 1;
const UINT holdTimerMs = 400;
// A sample taken again once the screen no longer shows the magnifier
// where it was.
const UINT_PTR resampleTimerId = 2;

void onHoldTimer(HWND window);
// The start of every pick, from the hold or from the keyboard: the cross
// cursor, the capture, the undo point and the magnifier; then pickBegun.
void beginPick(HWND window);
// Told of every pick's start, set once at start-up (the hover help hides).
extern void (*pickBegun)(HWND window);
// WM_SETCURSOR: while a pick runs the cross stays, wherever the pointer
// is, and true; false otherwise.
bool keepPickCursor();
void onResampleTimer(HWND window);
void sampleUnderPointer(HWND window);
// At the release: the last colour read, as the screen shows it once the
// magnifier is gone, taken (takeColor) if the pick read any pixel, then as
// dropPick. Every pick that takes a colour ends here.
void endPick(HWND window);
// The pick over with nothing more read: the magnifier closed, the arrow
// cursor back and the whole swatch painted in the current colour.
void dropPick(HWND window);
// While a pick runs: the pointer moved by dx, dy screen pixels, stopping at
// the edge of the screen and of the cursor's clip, and a new sample taken
// there. Nothing otherwise. Every move of the pointer the program makes
// comes here: while a pressed button holds the pick (buttonDown), the
// release still reaches the window wherever the pointer is.
void movePickBy(HWND window, int dx, int dy);
// Under Wine, the grab that keeps the pointer's input with the window for
// the rest of the pick (a cursor clip that leaves out the screen's one
// column away from the pointer): a pick from the keyboard takes it at its
// start, a pick that a button holds at its first nudge.
void grabPickPointer();
// After a change of the displays, while a pick runs: the screen it reads
// measured again, and its clip, if it holds one, made for the new screen.
void refreshPickClip();
// The clip gone: at every end of a pick, at the window's destruction and
// at the end of the session.
void releasePickClip();
// The clip kept past the end of the pick that comes next, until
// releasePickClip: for the release of the press that ends a pick.
void holdPickClip();
