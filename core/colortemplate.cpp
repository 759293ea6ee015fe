#include "colortemplate.h"
#include "color.h"
#include "colornames.h"
#include "colortext.h"

#include <cstdio>
#include <cstring>

char copyTemplate[copyTemplateMax + 1];

// The value of the placeholder at text into value; its length, or 0 where
// no placeholder starts.
static size_t placeholderAt(const char *text, uint32_t color, char value[32])
{
    static const char *const names[] = {"{R}", "{G}", "{B}", "{RR}", "{GG}", "{BB}",
                                        "{rr}", "{gg}", "{bb}", "{Rf}", "{Gf}", "{Bf}",
                                        "{H}", "{S}", "{L}", "{name}"};
    int i = 0;
    size_t n = 0;
    for (; i < 16 && strncmp(text, names[i], n = strlen(names[i])); i++) {
    }
    if (i == 16)
        return 0;
    unsigned channel = channelValue(color, channelMasks[i % 3]);
    if (i < 3) {
        snprintf(value, 32, "%u", channel);
    } else if (i < 9) {
        snprintf(value, 32, i < 6 ? "%.2X" : "%.2x", channel);
    } else if (i < 12) {
        // Thousandths rounded to the nearest; no channel falls on a half.
        unsigned k = (2000 * channel + 255) / 510, decimals = 3, fraction = k % 1000;
        for (; fraction && fraction % 10 == 0; fraction /= 10)
            decimals--;
        if (fraction)
            snprintf(value, 32, "%u.%.*u", k / 1000, (int)decimals, fraction);
        else
            snprintf(value, 32, "%u", k / 1000);
    } else if (i < 15) {
        unsigned hsl[3];
        hslOfColor(color, hsl);
        snprintf(value, 32, "%u", hsl[i - 12]);
    } else {
        bool exact;
        snprintf(value, 32, "%s", namedColorWords(nearestNamedColor(color, exact)));
    }
    return n;
}

const char *formatTemplateText(uint32_t color, const char *text, char *out, size_t size)
{
    size_t n = 0;
    auto put = [&](const char *piece, size_t length) {
        for (size_t i = 0; i < length && n + 1 < size; i++)
            out[n++] = piece[i];
    };
    char value[32];
    for (const char *p = text; *p;) {
        size_t length = placeholderAt(p, color, value);
        if (length) {
            put(value, strlen(value));
            p += length;
        } else {
            bool doubled = (*p == '{' || *p == '}') && p[1] == *p;
            put(p, 1);
            p += doubled ? 2 : 1;
        }
    }
    if (size)
        out[n] = '\0';
    return out;
}
