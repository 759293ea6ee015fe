// The eyedropper: a press held 400 ms on the swatch starts a pick that
// reads the screen pixel under the pointer at every move, with a magnifier
// beside the pointer until the pick ends.
#pragma once
#include <windows.h>
#include "appmessages.h"
#include <cstdint>

const UINT holdTimerMs = 400;
// A live pick reads the screen again this often while the pointer rests:
// a video, an animation or a page that updates changes under it.
const UINT restMs = 50;

// The hold's end on the swatch begins a pick, on a still copy of the screen
// taken first when freezeScreen is on.
void onHoldTimer(HWND window);
// The start of every pick, from the hold or from the keyboard: the cross
// cursor, the capture, the undo point, the magnifier and the still copy,
// if one was taken for it; then pickBegun. A watched point is watched no
// more.
void beginPick(HWND window);
// Told of every pick's start, set once at start-up (the hover help hides).
extern void (*pickBegun)(HWND window);
// WM_SETCURSOR: while a pick runs the cross stays, wherever the pointer
// is, and true; false otherwise.
bool keepPickCursor();
void onResampleTimer(HWND window);
void onRestTimer(HWND window);
void sampleUnderPointer(HWND window);
// At the release: the last colour read, as the screen shows it once the
// magnifier is gone, taken (takeColor) if the pick read any pixel, its
// point then watched if watchWhenPickEnds asked for it, then as dropPick.
// Every pick that takes a colour ends here.
void endPick(HWND window);
// The pick over with nothing more read: the magnifier and the still copy
// gone, the arrow cursor back and the whole swatch painted in the current
// colour.
void dropPick(HWND window);
// A cancel's colours: the pair from the pick's start, but after a colour
// the pick took and went on from (takeAndGoOn) the last such colour stays,
// the colour from before the pick the previous one.
void putBackPickStart(uint32_t color, uint32_t previous);
// Shift+Enter, Shift+Space or a Shift+left click during a pick: the colour
// under the pointer taken (takeColor: the History, the copy after each
// pick, the swatch's upper half) and the pick going on.
void takeAndGoOn(HWND window);
// L: the pick, once it ends with a colour, leaves its point watched; on
// the still screen it only ends.
void watchWhenPickEnds();
// F during a pick: a live pick closes the magnifier and takes a still copy
// once the screen no longer shows it (onFreezeTimer); a still one, or one
// waiting for its copy, goes live again.
void switchStillScreen(HWND window);
void onFreezeTimer(HWND window);
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
