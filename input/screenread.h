// Reading the screen's pixels: a square block of them around a point, read
// into memory at once, and the sample taken from it. The pick's magnifier
// and the watch on a point both read this way.
#pragma once
#include <windows.h>
#include <cstdint>

// The memory a block is read into: a 32-bit top-down DIB of side by side
// pixels for the context `into`, each 0x00RRGGBB whatever the display's
// format, so the screen's colours are kept exactly; null (and pixels null)
// when it could not be made. The caller selects it and deletes it.
HBITMAP makeBlockBitmap(HDC into, int side, uint32_t **pixels);

// The side by side pixels centred on at (side odd) copied from source, a
// context whose coordinates are the screen's (the screen's own, or the
// still copy's), into the block of `into`; black where the block reaches
// past bounds, the virtual screen, since under Wine a read that reaches
// past it reads nothing at all. Returns the sample: the mean of the
// sampleSize square at the block's centre over its pixels that a monitor
// shows (monitor: the one at is on, which most squares lie within), or
// CLR_INVALID when nothing could be read.
COLORREF readBlock(HDC source, const RECT &bounds, const RECT &monitor, HDC into,
                   const uint32_t *pixels, int side, POINT at);
