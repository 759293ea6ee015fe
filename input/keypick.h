// The pick from the keyboard: Enter or Space on the focused swatch starts
// the eyedropper where the pointer is, with no button held. The arrow keys
// move the pointer by a screen pixel (Shift: 10), the mouse moves it too,
// and the sample follows; the wheel and + and - zoom the magnifier, V
// changes the colour vision it shows.
// Enter, Space, a left click or the pick hotkey takes the colour under the
// pointer, Escape, any other press, a lost focus or a lost capture cancel
// the pick. The keys that change the colour do nothing meanwhile, as
// during a mouse pick; Ctrl+C copies the colour shown.
#pragma once
#include <windows.h>

void startKeyPick(HWND window);
bool keyPickRuns();
// Told at the end of every pick from the keyboard, taken or cancelled,
// and where a press ended it, at that press's release; set once at
// start-up (a command line may wait for the pick).
extern void (*keyPickEnded)(HWND window, bool taken);
// A pick from the keyboard, if one runs, cancelled.
void cancelKeyPick(HWND window);
// At a close or the session's end, once any pick is over: the keyboard
// hook goes at once, also while a key the pick took is still held.
void dropKeyHook();
// Every message of the window, before anything else sees it: while a pick
// from the keyboard runs, true for the messages the pick takes and for the
// face's other pointer input, which does nothing then; after a press that
// ended it, true for that press's release and double-click. A lost focus is
// taken too, and left to the window as well (false).
bool keyPickTakes(HWND window, UINT msg, WPARAM wp, LPARAM lp);

// While any pick runs: an arrow key moves the pointer by one screen pixel
// its way, by 10 with Shift, and the pick samples there; + (the main row's,
// which is = unshifted, or the keypad's) zooms the magnifier in, - out;
// V shows it in the next colour vision (visionFilter). False for any
// other key.
bool pickKeyActs(HWND window, WPARAM key);
// While any pick runs: the magnifier zoomed by notches (zoomMagnifier) and
// the pointer's pixels read again at the new size; nothing otherwise.
void zoomPick(HWND window, int notches);
