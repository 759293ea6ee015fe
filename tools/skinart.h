// The skin bitmap and the icon, drawn from the face layout and encoded as
// Windows .bmp and .ico files. Runs on the build host only; the program
// takes the results in as resources, so nothing here includes windows.h.
#pragma once

#include "skin/layout.h"

#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
};

// Pixels row by row from the top; the encoders store rows bottom-up.
struct RgbImage {
    int width, height;
    std::vector<Rgb> pixels;
};

// The skin holds the normal frame at x 0 to 82 and the lit frame beside it.
const int skinWidth = 2 * faceWidth;
const int skinHeight = faceHeight;
const int litFrameLeft = faceWidth;

// Both frames of the face. Every call returns the same pixels.
RgbImage drawSkin();

// An 8-bit bottom-up .bmp file: file header, 40-byte info header, a table
// of the image's colours in order of first use, rows of indices; empty if
// the image has more than 256 colours.
std::vector<uint8_t> encodeBmp(const RgbImage &image);

// The .ico file with 16x16 8-bit, 32x32 8-bit and 32x32 24-bit images,
// each four shaded quadrants (red, green / blue, yellow) between dark
// lines; empty if an 8-bit image needs more than 256 colours.
std::vector<uint8_t> encodeIcon();
