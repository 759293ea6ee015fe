// Hover help: a standard tooltip on every control of the face, its text
// the control's accessible name and a short hint. None shows while a mouse
// button is held and one showing goes at any press, so that a tip is never
// what the eyedropper reads and never covers the magnifier.
#pragma once
#include <windows.h>

// After a change of scale: the tools over the controls at the new scale.
void placeHoverHelp(HWND window);
// Every pointer message of the window, before its handler: moves reach the
// tooltip only while no button is held, the first of them making it and
// one tool per control; a press hides any tip.
void relayToHoverHelp(HWND window, UINT msg, WPARAM wp, LPARAM lp);
// A press or the start of a pick: any tip showing goes, and none shows
// until the pointer moves with no button held and no pick running.
void hideHoverHelp(HWND window);
// WM_NOTIFY: the tooltip asks for a tool's text as it is about to show.
void onNotify(HWND window, LPARAM lp);
// Another language in use: the tooltip is made anew, in its direction.
void resetHoverHelp();
