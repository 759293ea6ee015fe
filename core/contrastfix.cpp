#include "contrastfix.h"
#include "colorspace.h"
#include "colortext.h"
#include "contrast.h"

#include <climits>
#include <cstdio>

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

const char *formatContrastFix(const ContrastFix &fix, char *out, size_t size)
{
    char aa[8], aaa[8];
    formatColorText(fix.colors[0], copyHashHex, aa, sizeof aa);
    formatColorText(fix.colors[1], copyHashHex, aaa, sizeof aaa);
    if (fix.passes)
        snprintf(out, size, "%s", "");
    else if (!fix.found[0])
        snprintf(out, size, "; no lightness of it reaches AA");
    else if (!fix.found[1])
        snprintf(out, size, "; nearest with AA %s, none with AAA", aa);
    else
        snprintf(out, size, "; nearest with AA %s, with AAA %s", aa, aaa);
    return out;
}

const char *formatContrastReport(uint32_t a, uint32_t b, char *out, size_t size)
{
    char first[8], second[8], contrast[24], offer[64];
    formatColorText(a, copyHashHex, first, sizeof first);
    formatColorText(b, copyHashHex, second, sizeof second);
    snprintf(out, size, "%s and %s: contrast %s%s", first, second,
             formatContrast(a, b, contrast, sizeof contrast),
             formatContrastFix(fixContrast(a, b), offer, sizeof offer));
    return out;
}
