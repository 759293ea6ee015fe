// The window's and the work area's screen rectangles, and the window move
// with edge snapping.
#pragma once
#include <windows.h>

extern RECT windowRect;  // the window in screen pixels; unsnapped during a move
extern RECT workArea;    // the work area a move snaps to: its monitor's

// Reads both rectangles from the system; a failure is fatal.
void refreshWindowRects(HWND window);

// Shifts windowRect by the pointer's motion and puts the window there,
// snapped to the work area's edges.
void moveWindowStep(HWND window, int dx, int dy);
// At the end of a move windowRect takes the window's true, snapped place.
void endWindowMove(HWND window);

// WM_GETMINMAXINFO: the face has one size, so a maximised window is the
// window where it is.
void onGetMinMaxInfo(HWND window, LPARAM lp);
// WM_WINDOWPOSCHANGED: windowRect takes the true rectangle after any move
// but the program's own drag, whoever made it, so that a close stores where
// the window is; a window maximised all the same is restored.
void onWindowPosChanged(HWND window);

// At a minimise: the next move of the window is its restore's.
void markMinimised();
// WM_WINDOWPOSCHANGING: a restore from minimised to a place that no
// monitor shows any more goes, in the restore's own move, to the nearest
// place on the nearest monitor instead. Under Wine the restore of a window
// that a window manager may hold must itself land on the screen: one that
// lands off it stays minimised for the X side, which then takes no later
// move.
void onWindowPosChanging(HWND window, LPARAM lp);

// When no monitor's work area shows any pixel of a window of width by
// height at (x, y), moves (x, y) to the nearest place wholly inside the
// work area of the monitor nearest to it and returns true.
bool bringOntoWorkArea(LONG &x, LONG &y, int width, int height);
// After a change of the displays: the window, if no monitor shows any of it
// any more, moved by the same rule; left where it is otherwise.
void keepOnAWorkArea(HWND window);
