// The magnifier shown while picking: the screen pixels around the pointer,
// each a block of magnifierZoom pixels square at the face's scale (11 by 11
// of them at 8, more at less zoom, fewer at more), the sample's square
// (the centre block, or 3 by 3 or 5 by 5 of them) framed in black or white,
// whichever stands out against the sample. A top-most pop-up
// beside the pointer that never takes activation or focus and never covers
// the pointer or the pixels it shows, so it is never what is sampled.
#pragma once
#include <windows.h>

// At start-up; without the class a pick runs without the magnifier.
void registerMagnifierClass(HINSTANCE instance);
// The name of a colour vision for the magnifier's corner, in the language
// in use; set once at start-up (null: no name shown).
extern const wchar_t *(*visionFilterWord)(int filter);

// At the start of a pick: the pop-up, not yet shown, and the memory the
// pixels around the pointer are read into.
void openMagnifier(HWND owner);
// At the start of a pick and after a change of the displays: the screen's
// bounds, which a read keeps within, and the pointer's monitor asked for
// again at the next sample.
void measureScreen();
// How long the screen may go on showing the magnifier where it was, until
// the windows below have repainted (under X without a compositor) or the
// next frame is composed.
const UINT screenSettleMs = 40;

// Each sample, before the screen is read: the magnifier kept beside the
// point on its monitor.
void placeMagnifier(POINT at);
// How much longer the screen around the point may show the magnifier that
// left it: 0 when it was never there or left screenSettleMs ago or more.
UINT settleLeft(POINT at);
// The screen pixels around the point, read once into memory, and
// the magnifier, while shown, drawn from them. Returns the sample, the mean
// of the square the magnifier frames (sampleSize), or CLR_INVALID when the
// screen could not be read (the magnifier then shows black).
COLORREF readAround(POINT at);
// During a pick: the zoom doubled for each notch up (notches above 0), or
// halved for each down, held at 2 and 32, and the pop-up at its new size
// beside the pointer; false when the zoom stays as it was. The pixels
// shown are those of the next read.
bool zoomMagnifier(int notches);
// After a change of the face's scale: the pop-up at its new size, beside
// the pointer.
void rescaleMagnifier();
// At the release: off the screen, the memory kept for a last read.
void hideMagnifier();
// At the end of a pick: gone, nothing kept.
void closeMagnifier();
