// Start-up, the window procedure and the message loop.
//
// All state is process-global: there is one window on one thread, and every
// handler runs inside its window procedure one message at a time.
#pragma once
#include <windows.h>

extern HWND mainWindow;  // the one window
extern HACCEL accelTable;  // TINCTORA_ACCL, null when it did not load

// Start values, settings, regions and the skin; false when the skin is missing.
bool initialise(HINSTANCE instance);
// Registers tinctoraWin; false when registration fails.
bool registerWindowClass(HINSTANCE instance);
// Creates the window at the stored position and loads the accelerators.
HWND createMainWindow(HINSTANCE instance);
LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
// Runs until WM_QUIT; returns its exit status.
int runMessageLoop();
// The whole program: start-up, show, loop. Returns the exit status.
int runTinctora(HINSTANCE instance, int show);
