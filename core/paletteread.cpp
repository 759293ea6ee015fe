#include "palette.h"
#include "colorparse.h"
#include "colorspace.h"
#include "palettetext.h"

#include <cstring>

// A channel of a .gpl line: a decimal 0..255 after blanks, then a blank or
// the line's end.
static bool takeByte(TextScan &s, uint32_t &v)
{
    skipBlanks(s);
    return takeDecimalByte(s, v) && (isBlank(peek(s)) || !peek(s));
}

// Red, green and blue in decimal, maybe a name after them. The header, the
// Name: and Columns: lines and the # comments are no colour.
static bool gplColor(TextScan s, uint32_t &color)
{
    uint32_t v[3];
    for (uint32_t &x : v)
        if (!takeByte(s, x))
            return false;
    color = v[0] | v[1] << 8 | v[2] << 16;
    return true;
}

// Six hexadecimal digits, maybe after a "#", or eight with the alpha first
// where alpha is 2 (Paint.NET's FFRRGGBB), the alpha ignored; then a blank
// or the line's end.
static bool hexColor(TextScan s, uint32_t &color, size_t alpha)
{
    skipBlanks(s);
    s.at += peek(s) == '#';
    size_t n = 0;
    while (hexDigit(peek(s, n)) >= 0)
        n++;
    if ((n != 6 && n != 6 + alpha) || (peek(s, n) && !isBlank(peek(s, n))))
        return false;
    return hexColorAt(s, n - 6, color);
}

// Each line: its end is a CR, an LF or both, or the file's.
static void readLines(const char *text, size_t length, PaletteFormat format, Colors &c)
{
    for (size_t at = 0; at < length;) {
        size_t end = at;
        while (end < length && text[end] != '\n' && text[end] != '\r')
            end++;
        TextScan line = {text + at, end - at, 0};
        uint32_t color;
        if (format == paletteGpl ? gplColor(line, color)
                                 : hexColor(line, color, format == palettePaintNet ? 2 : 0))
            addColor(c, color);
        at = end + 1;
    }
}

bool wholeColorTo(TextScan s, size_t end, uint32_t &color)
{
    s.limit = end;
    skipBlanks(s);
    if (!takeWholeColor(s, color))
        return false;
    skipBlanks(s);
    return s.at == end;
}

// Every declaration's value that is a colour, up to its ";", "}" or
// "!important"; comments skipped. The ":" of a selector (":root") is
// followed by no colour. Each ":" looks as far as the end found for the
// one before it, when that is still ahead: a long run of ":" with no end
// costs no more than a short one.
static void readCss(TextScan s, Colors &c)
{
    size_t end = 0;
    while (s.at < s.limit) {
        if (takeWord(s, "/*")) {
            while (s.at < s.limit && !takeWord(s, "*/"))
                s.at++;
            continue;
        }
        if (s.text[s.at++] != ':')
            continue;
        for (end = end < s.at ? s.at : end; end < s.limit; end++)
            if (s.text[end] == ';' || s.text[end] == '}' || s.text[end] == '!')
                break;
        uint32_t color;
        if (end < s.limit && wholeColorTo(s, end, color))
            addColor(c, color);
    }
}

static uint32_t big(const uint8_t *p, int bytes)
{
    uint32_t v = 0;
    while (bytes--)
        v = v << 8 | *p++;
    return v;
}

// An .ase colour entry of size bytes: the name (its length in UTF-16
// units, then the units), the model and its floats. RGB and Gray are sRGB
// values 0..1, Lab has its lightness 0..1 and its axes as written. CMYK has
// no colour without the printer's profile: skipped and counted, as are
// other models, values that are no number and entries cut short.
static void readAseColor(const uint8_t *p, size_t size, Colors &c, size_t &skipped)
{
    static const char models[] = "RGB LAB Gray";
    size_t at = size >= 2 ? 2 + 2 * (size_t)big(p, 2) : SIZE_MAX;
    int kind = -1;
    for (int k = 0; k < 3 && at <= size && size - at >= 4; k++)
        if (!memcmp(p + at, models + 4 * k, 4))
            kind = k;
    int values = kind == 2 ? 1 : 3;
    at += 4;
    double v[3];
    bool ok = kind >= 0 && size - at >= 4u * values;
    for (int i = 0; ok && i < values; i++) {
        uint32_t bits = big(p + at + 4 * i, 4);
        float f;
        memcpy(&f, &bits, 4);
        ok = f >= -1000 && f <= 1000;
        v[i] = f;
    }
    if (!ok) {
        skipped++;
        return;
    }
    if (kind == 2)
        v[1] = v[2] = v[0];
    if (kind == 1)
        v[0] *= 100;
    addColor(c, colorFromSpace(kind == 1 ? spaceLab : spaceSrgb, v));
}

// "ASEF", the version and the block count, then blocks of a type and a
// length each: colour entries, groups' starts and ends. A block that runs
// past the file's end ends the reading; a colour entry cut so is counted.
static void readAse(const uint8_t *b, size_t length, Colors &c, size_t &skipped)
{
    if (length < 12 || memcmp(b, "ASEF", 4))
        return;
    for (size_t at = 12; at < length;) {
        uint32_t type = length - at >= 2 ? big(b + at, 2) : 0;
        uint32_t size = length - at >= 6 ? big(b + at + 2, 4) : UINT32_MAX;
        at += 6;
        if (at > length || size > length - at) {
            skipped += type == 1;
            break;
        }
        if (type == 1)
            readAseColor(b + at, size, c, skipped);
        at += size;
    }
}

size_t readPalette(PaletteFormat format, const uint8_t *bytes, size_t length, uint32_t *out,
                   size_t room, size_t &skipped)
{
    Colors c = {out, room, 0};
    skipped = 0;
    if (format == paletteAse) {
        readAse(bytes, length, c, skipped);
        return c.n;
    }
    // A text saved by Windows tools may begin with UTF-8's byte order mark.
    size_t bom = length >= 3 && !memcmp(bytes, "\xEF\xBB\xBF", 3) ? 3 : 0;
    TextScan s = {(const char *)bytes + bom, length - bom, 0};
    if (format == paletteCss)
        readCss(s, c);
    else if (format == paletteJson)
        readJson(s, c);
    else
        readLines(s.text, s.limit, format, c);
    return c.n;
}
