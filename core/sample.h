// The eyedropper's sample: the pixel under the pointer, or the mean of a
// square of screen pixels centred on it, from 3 by 3 to 31 by 31, for
// photographs, gradients, dithered and anti-aliased areas. Platform-free: a pixel is a 32-bit value
// with three 8-bit channels in its low 24 bits, each averaged on its own,
// as stored (gamma-encoded), whatever their order.
#pragma once
#include <cstdint>

extern int sampleSize;  // the square's side in pixels, one of sampleSizes

// The sides a square may have, smallest first.
const int sampleSizeCount = 9;
extern const int sampleSizes[sampleSizeCount];
// A size's place in sampleSizes, or -1.
int sampleSizeIndex(int size);
// A stored side as a side: anything but one of sampleSizes is one pixel.
int sampleSizeFromSetting(uint32_t stored);
// The size steps sizes on in sampleSizes (back for steps below 0), held
// at the first and the last.
int steppedSampleSize(int size, int steps);

// The magnifier's zoom: the block one screen pixel shows as, in pixels at
// the face's scale; 2, 4, 8, 16 or 32.
extern int magnifierZoom;
const int defaultZoom = 8;
// A stored zoom as a zoom: anything but those five is the default.
int magnifierZoomFromSetting(uint32_t stored);
// The zoom doubled for each notch up (notches above 0), halved for each
// down, and held at 2 and 32.
int zoomedBy(int zoom, int notches);
// The zoom the magnifier shows a square of size at: the chosen zoom, or
// the largest below it at which the square and a pixel around it span no
// more than 3 blocks at 32 (96 pixels at the face's scale), so that a
// large square is seen whole and the magnifier stays about its usual size.
int shownZoom(int zoom, int size);
// The screen pixels the magnifier shows across and down at a zoom: the odd
// number that keeps it about as wide as 11 at 8 (43, 21, 11, 5, 3 from 2
// to 32), and never fewer than the sample's square and a pixel around it.
// Never more than mostCells, whatever the zoom (a stored zoom of 1 too):
// the pixels read are held in arrays of that side.
int magnifierCells(int zoom, int size);
const int mostCells = 43;  // at the least zoom

// What averageSquare gives when no pixel of the square counts.
const uint32_t noSample = 0xFFFFFFFF;

// The mean of the size by size pixels centred in a side by side block
// (rows top to bottom, side and size odd, size at most side), each channel
// rounded to the nearest, halves up; the top byte is 0. Only the pixels
// whose onScreen byte (same layout as the block) is nonzero count, so that
// at a screen's edge the pixels beyond it do not.
uint32_t averageSquare(const uint32_t *block, const uint8_t *onScreen, int side, int size);
