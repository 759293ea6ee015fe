#include "vision.h"
#include "color.h"
#include "colorspace.h"

int visionFilter = visionNormal;

int visionFilterFromSetting(uint32_t stored)
{
    return stored < visionFilterCount ? (int)stored : visionNormal;
}

// Linear red, green and blue in, the same out, row by row. The dichromacies
// are the published matrices for severity 1.0 (Machado, Oliveira and
// Fernandes, "A Physiologically-based Model for Simulation of Color Vision
// Deficiency", IEEE TVCG 15(6), 2009); achromatopsia gives every channel the
// luminance, from sRGB's primaries.
static const double matrices[visionFilterCount][3][3] = {
    {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {{0.152286, 1.052583, -0.204868},
     {0.114503, 0.786281, 0.099216},
     {-0.003882, -0.048116, 1.051998}},
    {{0.367322, 0.860646, -0.227968},
     {0.280085, 0.672501, 0.047413},
     {-0.011820, 0.042940, 0.968881}},
    {{1.255528, -0.076749, -0.178779},
     {-0.078411, 0.930809, 0.147602},
     {0.004733, 0.691367, 0.303900}},
    {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}},
};

uint32_t simulateVision(uint32_t color, int filter)
{
    const double(&m)[3][3] = matrices[visionFilterFromSetting(filter)];
    double in[3], out[3];
    for (int i = 0; i < 3; i++)
        in[i] = linearChannel(channelValue(color, channelMasks[i]));
    for (int i = 0; i < 3; i++)
        out[i] = m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2];
    return colorFromLinearSrgb(out);
}

// The fast path's tables: each 8-bit value in linear light, and for each of
// encodeSlots equal slices of linear 0..1 the 8-bit value that all of the
// slice encodes to, or -1 where a rounding boundary falls inside it (255
// of them at most), which is then encoded exactly.
const int encodeSlots = 16384;
static double linear[256];
static int16_t encoded[encodeSlots + 1];

static void makeTables()
{
    for (int v = 0; v < 256; v++)
        linear[v] = linearChannel(v);
    uint32_t low = channelFromLinear(0);
    for (int slot = 0; slot <= encodeSlots; slot++) {
        uint32_t high = channelFromLinear((slot + 1.0) / encodeSlots);
        encoded[slot] = low == high ? (int16_t)low : -1;
        low = high;
    }
}

static uint32_t encode(double v)
{
    int slot = v <= 0 ? 0 : v >= 1 ? encodeSlots : (int)(v * encodeSlots);
    return encoded[slot] >= 0 ? (uint32_t)encoded[slot] : channelFromLinear(v);
}

void filterPixels(uint32_t *pixels, int count, int filter)
{
    static bool made;
    if (!made)
        makeTables(), made = true;
    const double(&m)[3][3] = matrices[visionFilterFromSetting(filter)];
    // Neighbouring pixels are often alike: a repeat costs nothing.
    uint32_t last = 0xFFFFFFFF, lastOut = 0;
    for (int i = 0; i < count; i++) {
        uint32_t p = pixels[i] & 0xFFFFFF;
        if (p != last) {
            double r = linear[p >> 16], g = linear[p >> 8 & 0xFF], b = linear[p & 0xFF];
            last = p;
            lastOut = encode(m[0][0] * r + m[0][1] * g + m[0][2] * b) << 16 |
                      encode(m[1][0] * r + m[1][1] * g + m[1][2] * b) << 8 |
                      encode(m[2][0] * r + m[2][1] * g + m[2][2] * b);
        }
        pixels[i] = lastOut;
    }
}
