// The keyboard focus among the face's seventeen controls: Tab and
// Shift+Tab walk them in reading order, the focused control shows the focus
// ring while the focus cue is shown, and Space, Enter, the arrows and the
// Page keys work it.
#pragma once
#include <windows.h>

#include "skin/layout.h"

// The control with the keyboard focus; areaCount while the face itself has
// it, as before the first Tab.
AreaId focusedControl();

// The focus put on a control as Tab puts it there, or on the face itself
// with areaCount, while the window has the keyboard focus; false, and
// nothing done, while it has not.
bool focusControl(HWND window, AreaId control);

// WM_KEYDOWN while no mouse gesture runs. Other keys do nothing.
void onFocusKey(HWND window, WPARAM key, LPARAM lp);
// Every pointer message: a button pressed on the face hides the focus cue
// until the next Tab or Shift+Tab, as the system does for its own controls.
void onFocusMouse(HWND window, UINT msg);
// The window getting and losing the keyboard focus: the ring shows only
// while it has it, and a reader is told which control it has got back.
void onSetFocus(HWND window);
void onKillFocus(HWND window);
