#include "contrast.h"
#include "color.h"
#include "colorspace.h"
#include "colortext.h"

#include <cmath>
#include <cstdio>

// Each channel linearised with the 0.04045 threshold, weighted as the eye
// sees them.
static double relativeLuminance(uint32_t color)
{
    return 0.2126 * linearChannel(channelValue(color, redMask)) +
           0.7152 * linearChannel(channelValue(color, greenMask)) +
           0.0722 * linearChannel(channelValue(color, blueMask));
}

double contrastRatio(uint32_t a, uint32_t b)
{
    double la = relativeLuminance(a), lb = relativeLuminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

const char *formatContrast(uint32_t a, uint32_t b, char *out, size_t size)
{
    // A ratio within a billionth below a hundredth is taken as that
    // hundredth, on the screen and in the judgement alike: doubles land
    // there for ratios that are exactly it, 21 for black and white.
    double ratio = contrastRatio(a, b) + 1e-9;
    unsigned hundredths = (unsigned)std::floor(ratio * 100);
    const char *level = ratio >= 7 ? "AAA" : ratio >= 4.5 ? "AA" : ratio >= 3 ? "AA large" : "fails";
    snprintf(out, size, "%u.%.2u:1, %s", hundredths / 100, hundredths % 100, level);
    return out;
}

const char *formatContrastReport(uint32_t a, uint32_t b, char *out, size_t size)
{
    char first[8], second[8], contrast[24];
    formatColorText(a, copyHashHex, first, sizeof first);
    formatColorText(b, copyHashHex, second, sizeof second);
    snprintf(out, size, "%s and %s: contrast %s", first, second,
             formatContrast(a, b, contrast, sizeof contrast));
    return out;
}
