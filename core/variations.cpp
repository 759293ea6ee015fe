#include "variations.h"
#include "colorspace.h"

const Variation variations[variationCount] = {
    {'1', variationTint, 0.1, 0},      {'2', variationTint, 0.2, 0},
    {'3', variationTint, 0.3, 0},      {'4', variationTint, 0.4, 0},
    {'5', variationShade, -0.1, 0},    {'6', variationShade, -0.2, 0},
    {'7', variationShade, -0.3, 0},    {'8', variationShade, -0.4, 0},
    {'C', variationComplement, 0, 180}, {'A', variationAnalogous, 0, -30},
    {'N', variationAnalogous, 0, 30},  {'T', variationTriad, 0, -120},
    {'R', variationTriad, 0, 120},     {'S', variationSplit, 0, -150},
    {'P', variationSplit, 0, 150},
};

void colorVariations(uint32_t color, uint32_t out[variationCount])
{
    double lch[3];
    oklchOf(color, lch);
    for (int i = 0; i < variationCount; i++)
        out[i] = colorFromOklch(lch[0] + variations[i].lightness, lch[1],
                                lch[2] + variations[i].hue);
}
