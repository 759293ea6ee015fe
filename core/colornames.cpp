#include "colornames.h"
#include "color.h"
#include "colorspace.h"

#include <initializer_list>


// The named colours of CSS Color Module Level 4, with both spellings of
// gray, in alphabetical order of the joined name.
const NamedColor namedColors[namedColorCount] = {
    {"alice blue", 0xF0F8FF}, {"antique white", 0xFAEBD7}, {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4}, {"azure", 0xF0FFFF}, {"beige", 0xF5F5DC}, {"bisque", 0xFFE4C4},
    {"black", 0x000000}, {"blanched almond", 0xFFEBCD}, {"blue", 0x0000FF},
    {"blue violet", 0x8A2BE2}, {"brown", 0xA52A2A}, {"burly wood", 0xDEB887},
    {"cadet blue", 0x5F9EA0}, {"chartreuse", 0x7FFF00}, {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50}, {"cornflower blue", 0x6495ED}, {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C}, {"cyan", 0x00FFFF}, {"dark blue", 0x00008B}, {"dark cyan", 0x008B8B},
    {"dark goldenrod", 0xB8860B}, {"dark gray", 0xA9A9A9}, {"dark green", 0x006400},
    {"dark grey", 0xA9A9A9}, {"dark khaki", 0xBDB76B}, {"dark magenta", 0x8B008B},
    {"dark olive green", 0x556B2F}, {"dark orange", 0xFF8C00}, {"dark orchid", 0x9932CC},
    {"dark red", 0x8B0000}, {"dark salmon", 0xE9967A}, {"dark sea green", 0x8FBC8F},
    {"dark slate blue", 0x483D8B}, {"dark slate gray", 0x2F4F4F}, {"dark slate grey", 0x2F4F4F},
    {"dark turquoise", 0x00CED1}, {"dark violet", 0x9400D3}, {"deep pink", 0xFF1493},
    {"deep sky blue", 0x00BFFF}, {"dim gray", 0x696969}, {"dim grey", 0x696969},
    {"dodger blue", 0x1E90FF}, {"firebrick", 0xB22222}, {"floral white", 0xFFFAF0},
    {"forest green", 0x228B22}, {"fuchsia", 0xFF00FF}, {"gainsboro", 0xDCDCDC},
    {"ghost white", 0xF8F8FF}, {"gold", 0xFFD700}, {"goldenrod", 0xDAA520}, {"gray", 0x808080},
    {"green", 0x008000}, {"green yellow", 0xADFF2F}, {"grey", 0x808080}, {"honeydew", 0xF0FFF0},
    {"hot pink", 0xFF69B4}, {"indian red", 0xCD5C5C}, {"indigo", 0x4B0082}, {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C}, {"lavender", 0xE6E6FA}, {"lavender blush", 0xFFF0F5},
    {"lawn green", 0x7CFC00}, {"lemon chiffon", 0xFFFACD}, {"light blue", 0xADD8E6},
    {"light coral", 0xF08080}, {"light cyan", 0xE0FFFF}, {"light goldenrod yellow", 0xFAFAD2},
    {"light gray", 0xD3D3D3}, {"light green", 0x90EE90}, {"light grey", 0xD3D3D3},
    {"light pink", 0xFFB6C1}, {"light salmon", 0xFFA07A}, {"light sea green", 0x20B2AA},
    {"light sky blue", 0x87CEFA}, {"light slate gray", 0x778899}, {"light slate grey", 0x778899},
    {"light steel blue", 0xB0C4DE}, {"light yellow", 0xFFFFE0}, {"lime", 0x00FF00},
    {"lime green", 0x32CD32}, {"linen", 0xFAF0E6}, {"magenta", 0xFF00FF}, {"maroon", 0x800000},
    {"medium aquamarine", 0x66CDAA}, {"medium blue", 0x0000CD}, {"medium orchid", 0xBA55D3},
    {"medium purple", 0x9370DB}, {"medium sea green", 0x3CB371}, {"medium slate blue", 0x7B68EE},
    {"medium spring green", 0x00FA9A}, {"medium turquoise", 0x48D1CC},
    {"medium violet red", 0xC71585}, {"midnight blue", 0x191970}, {"mint cream", 0xF5FFFA},
    {"misty rose", 0xFFE4E1}, {"moccasin", 0xFFE4B5}, {"navajo white", 0xFFDEAD},
    {"navy", 0x000080}, {"old lace", 0xFDF5E6}, {"olive", 0x808000}, {"olive drab", 0x6B8E23},
    {"orange", 0xFFA500}, {"orange red", 0xFF4500}, {"orchid", 0xDA70D6},
    {"pale goldenrod", 0xEEE8AA}, {"pale green", 0x98FB98}, {"pale turquoise", 0xAFEEEE},
    {"pale violet red", 0xDB7093}, {"papaya whip", 0xFFEFD5}, {"peach puff", 0xFFDAB9},
    {"peru", 0xCD853F}, {"pink", 0xFFC0CB}, {"plum", 0xDDA0DD}, {"powder blue", 0xB0E0E6},
    {"purple", 0x800080}, {"rebecca purple", 0x663399}, {"red", 0xFF0000}, {"rosy brown", 0xBC8F8F},
    {"royal blue", 0x4169E1}, {"saddle brown", 0x8B4513}, {"salmon", 0xFA8072},
    {"sandy brown", 0xF4A460}, {"sea green", 0x2E8B57}, {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D}, {"silver", 0xC0C0C0}, {"sky blue", 0x87CEEB}, {"slate blue", 0x6A5ACD},
    {"slate gray", 0x708090}, {"slate grey", 0x708090}, {"snow", 0xFFFAFA},
    {"spring green", 0x00FF7F}, {"steel blue", 0x4682B4}, {"tan", 0xD2B48C}, {"teal", 0x008080},
    {"thistle", 0xD8BFD8}, {"tomato", 0xFF6347}, {"turquoise", 0x40E0D0}, {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3}, {"white", 0xFFFFFF}, {"white smoke", 0xF5F5F5}, {"yellow", 0xFFFF00},
    {"yellow green", 0x9ACD32},
};

static char lowerCase(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

int findNamedColor(const char *text, size_t length)
{
    for (int i = 0; i < namedColorCount; i++) {
        size_t at = 0;
        const char *w = namedColors[i].words;
        for (; *w; w++) {
            if (*w == ' ')
                continue;
            if (at == length || lowerCase(text[at]) != *w)
                break;
            at++;
        }
        if (!*w && at == length)
            return i;
    }
    return -1;
}

uint32_t namedColorValue(int index)
{
    uint32_t v = namedColors[index].rgb;
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
    for (const char *part : {exact ? "" : "near ", namedColors[i].words})
        for (; *part && n + 1 < size; part++)
            out[n++] = *part;
    if (size)
        out[n] = '\0';
    return out;
}
