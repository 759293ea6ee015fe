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

// The ratio is (lighter + 0.05) / (darker + 0.05) of the luminances.
static void ratioTerms(uint32_t a, uint32_t b, double &lighter, double &darker)
{
    double la = relativeLuminance(a) + 0.05, lb = relativeLuminance(b) + 0.05;
    lighter = la > lb ? la : lb, darker = la > lb ? lb : la;
}

// As the rule states it, on the terms themselves: a ratio a hair below 4.5
// is not 4.5.
bool contrastReaches(uint32_t a, uint32_t b, double ratio)
{
    double lighter, darker;
    ratioTerms(a, b, lighter, darker);
    return lighter >= ratio * darker;
}

const char *formatContrast(uint32_t a, uint32_t b, char *out, size_t size)
{
    double lighter, darker;
    ratioTerms(a, b, lighter, darker);
    const char *level = contrastReaches(a, b, aaaRatio) ? "AAA"
                        : contrastReaches(a, b, aaRatio) ? "AA"
                        : contrastReaches(a, b, 3)       ? "AA large"
                                                         : "fails";
    // Shown rounded down, never more than it is, but for the few units in
    // the last place that a division may lose below an exact 21 (black and
    // white) or 1 (a colour and itself).
    unsigned hundredths = (unsigned)std::floor(lighter / darker * (100 * (1 + 1e-14)));
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
