#include "contrastfix.h"
#include "colorspace.h"
#include "contrast.h"

#include <climits>

ContrastFix fixContrast(uint32_t color, uint32_t against)
{
    ContrastFix fix = {contrastReaches(color, against, aaRatio), {false, false}, {0, 0}};
    if (fix.passes)
        return fix;
    const double ratios[2] = {aaRatio, aaaRatio};
    double lch[3];
    oklchOf(color, lch);
    // Steps from the colour to each found so far: a later find counts only
    // where it is nearer.
    int nearest[2] = {INT_MAX, INT_MAX};
    for (int way = 1; way >= -1; way -= 2)
        for (int i = 1; i < nearest[0] || i < nearest[1]; i++) {
            double lightness = lch[0] + way * i * fixStep;
            uint32_t candidate = colorFromOklch(lightness, lch[1], lch[2]);
            for (int level = 0; level < 2; level++)
                if (i < nearest[level] && contrastReaches(candidate, against, ratios[level])) {
                    nearest[level] = i;
                    fix.found[level] = true;
                    fix.colors[level] = candidate;
                }
            if (lightness <= 0 || lightness >= 1)
                break;
        }
    return fix;
}
