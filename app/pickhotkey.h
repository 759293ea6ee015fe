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

// Whether a request from outside the face must wait: a mouse gesture runs,
// a menu asked for during one waits for its button's release, a menu or a
// dialog of the program's is open (each shows the colour as it was when it
// opened), or the system moves or sizes the window.
bool faceBusy(HWND window);
// What the pick hotkey does: the face brought forward as a second start
// brings it (restored if minimised, raised, activated) and a pick from the
// keyboard begun where the pointer is; nothing while the face is busy.
// True when the pick runs. For every door that starts a pick from outside
// the face: the hotkey, the command line.
bool pickWithFaceForward(HWND window);
// A pick from the keyboard has ended, however it ended: where
// pickWithFaceForward began it, the window that had the keyboard before
// gets it back, so that the user goes on working there.
void returnKeyboard(HWND window);
// WM_HOTKEY: pickWithFaceForward. (During a pick from the keyboard the
// pick takes the message first: it takes the colour.)
void onHotKey(HWND window, WPARAM id);

// The dialog that chooses the hotkey; a second request while it is open
// brings the open one forward. On OK the old hotkey is let go and the new
// one taken; one the system refuses is said in the dialog, which stays
// open, and the old one is kept.
void choosePickHotkey(HWND window);
