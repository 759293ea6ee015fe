// A colour's variations in OKLCH: four tints and four shades (the lightness
// 10, 20, 30 and 40 points of 100 up and down, hue and chroma kept), the
// complement, the two analogous colours (the hue turned 30 degrees either
// way), the triad (120) and the split complement (150), each brought into
// sRGB by lowering its chroma alone. Platform-free.
#pragma once
#include <cstdint>

const int variationCount = 15;

// The colour's variations in the order listed, each 0x00BBGGRR.
void colorVariations(uint32_t color, uint32_t out[variationCount]);
// Variation i's key in the menu and its name: '1', "tint +10%".
char variationKey(int i);
const char *variationName(int i);
