// Starts the real program inside the test process: start values, settings,
// regions, skin, class and window, exactly as the entry does, with the
// window shown at the top-left of the test display.
#pragma once
#include <windows.h>

#include <cstdint>

// Deletes the program's registry key so a run starts as a first run.
void clearSettings();

// Runs start-up once per test process and shows the window; later calls
// return the same window.
HWND startProgram();

// Handles every message waiting for this thread.
void pumpMessages();

// Sends a pointer message with a face point.
void sendPointer(HWND w, UINT msg, int x, int y);

// Lets Wine hand what was drawn to the X server, so the screen shows it.
void flushScreen();

// Screen pixel as 0x00BBGGRR.
uint32_t screenPixel(int x, int y);

// The skin image's pixel of the normal or lit frame at face point (x, y).
uint32_t skinPixel(int x, int y, bool lit);
