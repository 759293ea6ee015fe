// A colour's variations in OKLCH: four tints and four shades (the lightness
// 10, 20, 30 and 40 points of 100 up and down, hue and chroma kept), the
// complement, the two analogous colours (the hue turned 30 degrees either
// way), the triad (120) and the split complement (150), each brought into
// sRGB by lowering its chroma alone. Platform-free.
#pragma once
#include <cstdint>

enum VariationKind {
    variationTint, variationShade, variationComplement, variationAnalogous, variationTriad,
    variationSplit
};
// A variation: its key in the menu, its kind, and how far it moves the
// lightness (0..1) and turns the hue (degrees).
struct Variation {
    char key;
    VariationKind kind;
    double lightness, hue;
};

const int variationCount = 15;
extern const Variation variations[variationCount];

// The colour's variations in the order of variations, each 0x00BBGGRR.
void colorVariations(uint32_t color, uint32_t out[variationCount]);
