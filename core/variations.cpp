#include "variations.h"
#include "colorspace.h"

// Each variation: its key, its name, and how far it moves the lightness
// (0..1) and turns the hue (degrees).
struct Variation {
    char key;
    const char *name;
    double lightness, hue;
};
static const Variation variations[variationCount] = {
    {'1', "tint +10%", 0.1, 0},       {'2', "tint +20%", 0.2, 0},
    {'3', "tint +30%", 0.3, 0},       {'4', "tint +40%", 0.4, 0},
    {'5', "shade -10%", -0.1, 0},     {'6', "shade -20%", -0.2, 0},
    {'7', "shade -30%", -0.3, 0},     {'8', "shade -40%", -0.4, 0},
    {'C', "complement", 0, 180},      {'A', "analogous -30", 0, -30},
    {'N', "analogous +30", 0, 30},    {'T', "triad -120", 0, -120},
    {'R', "triad +120", 0, 120},      {'S', "split complement -150", 0, -150},
    {'P', "split complement +150", 0, 150},
};

void colorVariations(uint32_t color, uint32_t out[variationCount])
{
    double lch[3];
    oklchOf(color, lch);
    for (int i = 0; i < variationCount; i++)
        out[i] = colorFromOklch(lch[0] + variations[i].lightness, lch[1],
                                lch[2] + variations[i].hue);
}

char variationKey(int i)
{
    return variations[i].key;
}

const char *variationName(int i)
{
    return variations[i].name;
}
