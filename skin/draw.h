// The face's look: the skin image with its normal and lit frames, the
// off-screen face at rest, and the drawing of the swatch and readouts, all
// at the face's scale.
#pragma once
#include <windows.h>

// Where each frame starts in the skin image, in face pixels.
enum SkinFrame { normalFrame = 0, litFrame = 83 };

extern HBITMAP skinBitmap;        // the loaded skin image
extern HDC skinDC;                // memory context holding the skin at the face's scale
extern HDC backBuffer;            // the face at rest, toggles included
extern HBITMAP backBufferBitmap;  // backBuffer's own bitmap

void drawLit(HDC dc, HRGN region);
void drawNormal(HDC dc, HRGN region);
void restoreFromBackBuffer(HWND window, HRGN region);

// Fills region with the current colour, clears the readouts, refreshes the
// colour texts and draws them.
void paintSwatch(HWND window, HRGN region);

// The window's dots per inch; with no window, or on a system that has no
// per-window value, the system's.
unsigned windowDpi(HWND window);

// WM_CREATE: the scale of the window's display, shape, surfaces and the
// face at rest. WM_PAINT: whole face.
void createSurfaces(HWND window);
void onPaint(HWND window);
// The whole face built anew at scale k: regions, shape, surfaces, font.
// The caller sizes the window and repaints.
void rescaleFace(HWND window, int k);
void deleteSurfaces();
