#include "colornames.h"
#include "color.h"
#include "colorspace.h"
#include "textscan.h"

#include <initializer_list>

// The named colours of CSS Color Module Level 4, with both spellings of
// gray, in alphabetical order of the joined name: each one's words and its
// value 0xRRGGBB. Kept as two arrays, the words one text with a zero byte
// after each, which spares a pointer per name in the exe.
#define NAMED_COLORS(X) \
    X("alice blue", 0xF0F8FF) X("antique white", 0xFAEBD7) X("aqua", 0x00FFFF) \
    X("aquamarine", 0x7FFFD4) X("azure", 0xF0FFFF) X("beige", 0xF5F5DC) X("bisque", 0xFFE4C4) \
    X("black", 0x000000) X("blanched almond", 0xFFEBCD) X("blue", 0x0000FF) \
    X("blue violet", 0x8A2BE2) X("brown", 0xA52A2A) X("burly wood", 0xDEB887) \
    X("cadet blue", 0x5F9EA0) X("chartreuse", 0x7FFF00) X("chocolate", 0xD2691E) \
    X("coral", 0xFF7F50) X("cornflower blue", 0x6495ED) X("cornsilk", 0xFFF8DC) \
    X("crimson", 0xDC143C) X("cyan", 0x00FFFF) X("dark blue", 0x00008B) X("dark cyan", 0x008B8B) \
    X("dark goldenrod", 0xB8860B) X("dark gray", 0xA9A9A9) X("dark green", 0x006400) \
    X("dark grey", 0xA9A9A9) X("dark khaki", 0xBDB76B) X("dark magenta", 0x8B008B) \
    X("dark olive green", 0x556B2F) X("dark orange", 0xFF8C00) X("dark orchid", 0x9932CC) \
    X("dark red", 0x8B0000) X("dark salmon", 0xE9967A) X("dark sea green", 0x8FBC8F) \
    X("dark slate blue", 0x483D8B) X("dark slate gray", 0x2F4F4F) X("dark slate grey", 0x2F4F4F) \
    X("dark turquoise", 0x00CED1) X("dark violet", 0x9400D3) X("deep pink", 0xFF1493) \
    X("deep sky blue", 0x00BFFF) X("dim gray", 0x696969) X("dim grey", 0x696969) \
    X("dodger blue", 0x1E90FF) X("firebrick", 0xB22222) X("floral white", 0xFFFAF0) \
    X("forest green", 0x228B22) X("fuchsia", 0xFF00FF) X("gainsboro", 0xDCDCDC) \
    X("ghost white", 0xF8F8FF) X("gold", 0xFFD700) X("goldenrod", 0xDAA520) X("gray", 0x808080) \
    X("green", 0x008000) X("green yellow", 0xADFF2F) X("grey", 0x808080) X("honeydew", 0xF0FFF0) \
    X("hot pink", 0xFF69B4) X("indian red", 0xCD5C5C) X("indigo", 0x4B0082) X("ivory", 0xFFFFF0) \
    X("khaki", 0xF0E68C) X("lavender", 0xE6E6FA) X("lavender blush", 0xFFF0F5) \
    X("lawn green", 0x7CFC00) X("lemon chiffon", 0xFFFACD) X("light blue", 0xADD8E6) \
    X("light coral", 0xF08080) X("light cyan", 0xE0FFFF) X("light goldenrod yellow", 0xFAFAD2) \
    X("light gray", 0xD3D3D3) X("light green", 0x90EE90) X("light grey", 0xD3D3D3) \
    X("light pink", 0xFFB6C1) X("light salmon", 0xFFA07A) X("light sea green", 0x20B2AA) \
    X("light sky blue", 0x87CEFA) X("light slate gray", 0x778899) X("light slate grey", 0x778899) \
    X("light steel blue", 0xB0C4DE) X("light yellow", 0xFFFFE0) X("lime", 0x00FF00) \
    X("lime green", 0x32CD32) X("linen", 0xFAF0E6) X("magenta", 0xFF00FF) X("maroon", 0x800000) \
    X("medium aquamarine", 0x66CDAA) X("medium blue", 0x0000CD) X("medium orchid", 0xBA55D3) \
    X("medium purple", 0x9370DB) X("medium sea green", 0x3CB371) X("medium slate blue", 0x7B68EE) \
    X("medium spring green", 0x00FA9A) X("medium turquoise", 0x48D1CC) \
    X("medium violet red", 0xC71585) X("midnight blue", 0x191970) X("mint cream", 0xF5FFFA) \
    X("misty rose", 0xFFE4E1) X("moccasin", 0xFFE4B5) X("navajo white", 0xFFDEAD) \
    X("navy", 0x000080) X("old lace", 0xFDF5E6) X("olive", 0x808000) X("olive drab", 0x6B8E23) \
    X("orange", 0xFFA500) X("orange red", 0xFF4500) X("orchid", 0xDA70D6) \
    X("pale goldenrod", 0xEEE8AA) X("pale green", 0x98FB98) X("pale turquoise", 0xAFEEEE) \
    X("pale violet red", 0xDB7093) X("papaya whip", 0xFFEFD5) X("peach puff", 0xFFDAB9) \
    X("peru", 0xCD853F) X("pink", 0xFFC0CB) X("plum", 0xDDA0DD) X("powder blue", 0xB0E0E6) \
    X("purple", 0x800080) X("rebecca purple", 0x663399) X("red", 0xFF0000) \
    X("rosy brown", 0xBC8F8F) X("royal blue", 0x4169E1) X("saddle brown", 0x8B4513) \
    X("salmon", 0xFA8072) X("sandy brown", 0xF4A460) X("sea green", 0x2E8B57) \
    X("seashell", 0xFFF5EE) X("sienna", 0xA0522D) X("silver", 0xC0C0C0) X("sky blue", 0x87CEEB) \
    X("slate blue", 0x6A5ACD) X("slate gray", 0x708090) X("slate grey", 0x708090) \
    X("snow", 0xFFFAFA) X("spring green", 0x00FF7F) X("steel blue", 0x4682B4) X("tan", 0xD2B48C) \
    X("teal", 0x008080) X("thistle", 0xD8BFD8) X("tomato", 0xFF6347) X("turquoise", 0x40E0D0) \
    X("violet", 0xEE82EE) X("wheat", 0xF5DEB3) X("white", 0xFFFFFF) X("white smoke", 0xF5F5F5) \
    X("yellow", 0xFFFF00) X("yellow green", 0x9ACD32)

#define WORDS_OF(words, rgb) words "\0"
#define RGB_OF(words, rgb) rgb,
static const char namedWords[] = NAMED_COLORS(WORDS_OF);
static const uint32_t namedRgb[namedColorCount] = {NAMED_COLORS(RGB_OF)};

const char *namedColorWords(int index)
{
    const char *w = namedWords;
    for (int i = 0; i < index; i++)
        while (*w++) {
        }
    return w;
}

int findNamedColor(const char *text, size_t length)
{
    const char *w = namedWords;
    for (int i = 0; i < namedColorCount; i++, w++) {
        size_t at = 0;
        for (; *w; w++) {
            if (*w == ' ')
                continue;
            if (at == length || lowerAscii(text[at]) != *w)
                break;
            at++;
        }
        if (!*w && at == length)
            return i;
        while (*w)
            w++;
    }
    return -1;
}

uint32_t namedColorValue(int index)
{
    uint32_t v = namedRgb[index];
    return v >> 16 | (v & 0x00FF00) | (v & 0xFF) << 16;
}

int nearestNamedColor(uint32_t color, bool &exact)
{
    // Each named colour's Oklab coordinates, worked out at the first call.
    static double table[namedColorCount][3];
    static bool ready;
    if (!ready) {
        for (int i = 0; i < namedColorCount; i++)
            oklabOf(namedColorValue(i), table[i]);
        ready = true;
    }
    double lab[3];
    oklabOf(color, lab);
    int best = 0;
    double bestDistance = 1e300;
    for (int i = 0; i < namedColorCount; i++) {
        double d = 0;
        for (int k = 0; k < 3; k++)
            d += (lab[k] - table[i][k]) * (lab[k] - table[i][k]);
        if (d < bestDistance)
            best = i, bestDistance = d;
    }
    exact = namedColorValue(best) == (color & 0xFFFFFF);
    return best;
}

const char *formatColorName(uint32_t color, char *out, size_t size)
{
    bool exact;
    int i = nearestNamedColor(color, exact);
    size_t n = 0;
    for (const char *part : {exact ? "" : "near ", namedColorWords(i)})
        for (; *part && n + 1 < size; part++)
            out[n++] = *part;
    if (size)
        out[n] = '\0';
    return out;
}
