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
// cursor, the capture, the undo point and the magnifier.
void beginPick(HWND window);
void onResampleTimer(HWND window);
void sampleUnderPointer(HWND window);
// At the release: the last colour read, as the screen shows it once the
// magnifier is gone, then as dropPick; the colour is copied when the user
// asked for a copy after each pick. Every pick that takes a colour ends here.
void endPick(HWND window);
// The pick over with nothing more read: the magnifier closed, the arrow
// cursor back and the whole swatch painted in the current colour.
void dropPick(HWND window);
// While a pick runs: the pointer moved by dx, dy screen pixels and a new
// sample taken there. Nothing otherwise. Every move of the pointer the
// program makes comes here: while a pressed button holds the pick
// (buttonDown), the release still reaches the window wherever the pointer
// is; a pick that no button holds is moved alike and no grab is left.
void movePickBy(HWND window, int dx, int dy);
