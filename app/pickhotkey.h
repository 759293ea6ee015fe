// The global pick hotkey (Win+Shift+C unless the user chose another or
// none): pressed in any program it brings the face forward and starts a
// pick from the keyboard where the pointer is. Registered by the running
// instance while its window lives; chosen in a small dialog.
#pragma once
#include <windows.h>

// At WM_CREATE: the chosen hotkey registered, if the system lets us have it.
void registerPickHotkey(HWND window);
// At WM_DESTROY.
void unregisterPickHotkey(HWND window);
// Whether a hotkey is chosen that the system refused (another program
// holds it).
bool pickHotkeyRefused();

// WM_HOTKEY: the face to the front, restored if minimised, and a pick from
// the keyboard begun. Ignored while a mouse gesture runs, while a menu or
// the hotkey dialog is open and while the system moves or sizes the window. (During a pick from the keyboard the pick
// takes the message first: it takes the colour.)
void onHotKey(HWND window, WPARAM id);
// What the hotkey does, for any door that starts a pick from outside the
// face (the command line): true when the pick runs.
bool pickFromAnywhere(HWND window);

// The dialog that chooses the hotkey; a second request while it is open
// brings the open one forward. On OK the old hotkey is let go and the new
// one taken; one the system refuses is said in the dialog, which stays
// open, and the old one is kept.
void choosePickHotkey(HWND window);
