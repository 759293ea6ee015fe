#include "palette.h"

#include <cstring>

// The bytes written so far; past room they are only counted.
struct Out {
    uint8_t *bytes;
    size_t room, n;
};

static void put(Out &o, uint32_t byte)
{
    if (o.n < o.room)
        o.bytes[o.n] = (uint8_t)byte;
    o.n++;
}

static void putText(Out &o, const char *text)
{
    while (*text)
        put(o, (uint8_t)*text++);
}

// A number right-aligned in width digits, blanks before it.
static void putDecimal(Out &o, uint32_t v, int width)
{
    char digits[10];
    int n = 0;
    do
        digits[n++] = (char)('0' + v % 10);
    while (v /= 10);
    for (int i = n; i < width; i++)
        put(o, ' ');
    while (n)
        put(o, (uint8_t)digits[--n]);
}

// Red, green and blue as two hexadecimal digits each.
static void putHex(Out &o, uint32_t color, bool capitals)
{
    const char *digits = capitals ? "0123456789ABCDEF" : "0123456789abcdef";
    for (int i = 0; i < 3; i++) {
        put(o, (uint8_t)digits[color >> (8 * i + 4) & 15]);
        put(o, (uint8_t)digits[color >> 8 * i & 15]);
    }
}

// A name in a line of text: control characters would end the line, so they
// become blanks, and in a stylesheet's comment "*/" would end the comment.
static void putName(Out &o, const char *name, bool comment)
{
    for (char previous = 0; *name; previous = *name++) {
        if (comment && previous == '*' && *name == '/')
            put(o, ' ');
        put(o, (uint8_t)*name < 0x20 ? ' ' : (uint8_t)*name);
    }
}

static void putBig(Out &o, uint32_t v, int bytes)
{
    while (bytes--)
        put(o, v >> 8 * bytes);
}

// The next character of a UTF-8 text, U+FFFD for bytes that make none.
static uint32_t nextCharacter(const char *&s)
{
    uint8_t lead = (uint8_t)*s++;
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if ((lead >= 0x80 && lead < 0xC0) || lead >= 0xF8)
        return 0xFFFD;
    uint32_t v = more ? lead & (0x3F >> more) : lead;
    for (; more; more--, s++) {
        if ((*s & 0xC0) != 0x80)
            return 0xFFFD;
        v = v << 6 | (*s & 0x3F);
    }
    return v > 0x10FFFF || (v >= 0xD800 && v < 0xE000) ? 0xFFFD : v;
}

// An Adobe Swatch Exchange colour entry: the block's type and length, the
// name in UTF-16 with its length (the closing zero counted), the model,
// red, green and blue as floats 0..1, the type global; all big-endian.
static void putAseEntry(Out &o, uint32_t color, const char *name)
{
    uint16_t units[256];
    size_t n = 0;
    while (*name && n < 254) {
        uint32_t c = nextCharacter(name);
        if (c >= 0x10000) {
            units[n++] = (uint16_t)(0xD7C0 + (c >> 10));
            c = 0xDC00 | (c & 0x3FF);
        }
        units[n++] = (uint16_t)c;
    }
    units[n++] = 0;
    putBig(o, 1, 2);
    putBig(o, (uint32_t)(2 + 2 * n + 4 + 12 + 2), 4);
    putBig(o, (uint32_t)n, 2);
    for (size_t i = 0; i < n; i++)
        putBig(o, units[i], 2);
    putText(o, "RGB ");
    for (int i = 0; i < 3; i++) {
        float f = (float)(color >> 8 * i & 0xFF) / 255;
        uint32_t bits;
        memcpy(&bits, &f, 4);
        putBig(o, bits, 4);
    }
    putBig(o, 0, 2);
}

size_t writePalette(PaletteFormat format, const uint32_t *colors, const char *const *names,
                    int count, uint8_t *out, size_t room)
{
    Out o = {out, room, 0};
    static const char *const heads[paletteFormatCount] = {
        "GIMP Palette\nName: Tinctora\nColumns: 0\n#\n", "; Palette from Tinctora\n",
        ":root {\n", "[\n", "", "ASEF"};
    putText(o, heads[format]);
    if (format == paletteAse) {
        putBig(o, 0x10000, 4);  // version 1.0
        putBig(o, (uint32_t)count, 4);
    }
    for (int i = 0; i < count; i++) {
        uint32_t c = colors[i];
        switch (format) {
        case paletteGpl:
            for (int k = 0; k < 3; k++) {
                putDecimal(o, c >> 8 * k & 0xFF, 3);
                put(o, k < 2 ? ' ' : '\t');
            }
            putName(o, names[i], false);
            break;
        case palettePaintNet: putText(o, "FF"), putHex(o, c, true); break;
        case paletteCss:
            putText(o, "  --color-"), putDecimal(o, i + 1, 0), putText(o, ": #");
            putHex(o, c, false), putText(o, "; /* "), putName(o, names[i], true), putText(o, " */");
            break;
        case paletteJson:
            putText(o, "  \"#"), putHex(o, c, true), putText(o, i + 1 < count ? "\"," : "\"");
            break;
        case paletteHex: putHex(o, c, false); break;
        default: putAseEntry(o, c, names[i]); continue;
        }
        put(o, '\n');
    }
    if (format == paletteCss)
        putText(o, "}\n");
    if (format == paletteJson)
        putText(o, "]\n");
    return o.n;
}
