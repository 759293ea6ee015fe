// The left-button gestures: arrow clicks and drag-adjust, title buttons and
// their hover, the window move and the eyedropper's hold, each from a press
// to the next release while the window holds the pointer capture.
#pragma once
#include <windows.h>
#include "appmessages.h"

#include "gesturestate.h"

void onLeftButtonDown(HWND window, WPARAM wp, LPARAM lp);
void onMouseMove(HWND window, WPARAM wp, LPARAM lp);
void onLeftButtonUp(HWND window, WPARAM wp, LPARAM lp);
// The capture taken away in mid-gesture, by another window or by the
// system for the same one, ends the gesture as abandonGesture does.
void onCaptureChanged(HWND window, WPARAM wp, LPARAM lp);
// The gesture, if one runs, ends where it is, as a release that acts on no
// control, and a pick from the keyboard is cancelled; the capture is let
// go: for a lost capture, a modal loop of the system (the window menu, a
// move or size loop) and a minimise.
void abandonGesture(HWND window);
// WM_SYSCOMMAND or WM_CONTEXTMENU: the window menu asked for from the
// keyboard (Alt+Space), or the context menu, while a button holds a gesture
// ends the gesture at once and opens once the button is up, since the menu
// would take the gesture's release for the choice of the item under the
// pointer; true then. False otherwise.
bool menuWaitsForRelease(HWND window, UINT msg, WPARAM wp, LPARAM lp);
void onMenuWaitTimer(HWND window);
// Whether such a menu waits for the button's release.
bool menuWaitRuns();
