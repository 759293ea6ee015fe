#include "colorparse.h"
#include "color.h"
#include "colorfunctions.h"
#include "colornames.h"
#include "textscan.h"

// The letters of a named colour, in any case; the scan goes past them.
// Letters that name no colour, 24 or more of them too, leave it where it
// was. "transparent" and "currentcolor" are not in the table: no colour to
// pick.
static bool takeNamedColor(TextScan &s, uint32_t &color)
{
    size_t n = 0;
    while (n < 24 && isLetter(peek(s, n)))
        n++;
    int i = n < 24 ? findNamedColor(s.text + s.at, n) : -1;
    if (i < 0)
        return false;
    color = namedColorValue(i);
    s.at += n;
    return true;
}

// A named colour on its own: then the end, a blank, a ";" or a ",". The
// table is searched only for letters that stand so, which hexadecimal
// texts seldom do.
static bool takeNameAlone(TextScan s, uint32_t &color)
{
    size_t n = 0;
    while (n < 24 && isLetter(peek(s, n)))
        n++;
    char after = n < 24 ? peek(s, n) : 'x';
    return (after == '\0' || isBlank(after) || after == ';' || after == ',') &&
           takeNamedColor(s, color);
}

// The hexadecimal digits at the scan, up to most.
static size_t hexDigitsAt(const TextScan &s, size_t ahead, size_t most)
{
    size_t n = 0;
    while (n < most && hexDigit(peek(s, ahead + n)) >= 0)
        n++;
    return n;
}

// The stylesheet shorthand's three digits ahead, RGB, each doubled.
static uint32_t shorthandAt(const TextScan &s, size_t ahead)
{
    uint32_t color = 0;
    for (size_t i = 0; i < 3; i++)
        color |= (uint32_t)hexDigit(peek(s, ahead + i)) * 0x11 << 8 * i;
    return color;
}

// "#" and three or four hex digits, then the end or any other character:
// the stylesheet shorthand, a fourth digit (alpha) ignored.
static bool takeShorthand(TextScan &s, uint32_t &color)
{
    size_t n = peek(s) == '#' ? hexDigitsAt(s, 1, 5) : 0;
    if (n != 3 && n != 4)
        return false;
    color = shorthandAt(s, 1);
    return true;
}

// What stands before the colour does not count towards its six characters:
// leading blanks (already skipped), one sign and one prefix, "0x", "0X" or
// "#", the forms that stylesheets, design tools and source code copy. The
// six characters after them must all be hexadecimal digits up to the
// text's end or the sixth; the rest of a longer text is ignored. The 0 of
// "0x" counts as a digit, so "0x" alone is black; the empty text is black
// too, but blanks, a sign or a "#" with no digit are no colour. A "-"
// negates in 32 bits.
static bool takeHex(TextScan &s, uint32_t &color)
{
    bool negative = peek(s) == '-';
    if (negative || peek(s) == '+')
        s.at++;
    bool anyDigit = !takeWord(s, "#") && takeWord(s, "0x");
    uint32_t v = 0;
    for (size_t n = 0; n < 6 && peek(s, n); n++) {
        int d = hexDigit(peek(s, n));
        if (d < 0)
            return false;
        v = v * 16 + (uint32_t)d;
        anyDigit = true;
    }
    if (!anyDigit && s.at > 0)
        return false;
    if (negative)
        v = 0u - v;
    uint32_t red = (v >> 16) & 0xFF, green = (v >> 8) & 0xFF, blue = v & 0xFF;
    color = red | green << 8 | blue << 16;
    return true;
}

// A stylesheet's hexadecimal colour, "#" and 3, 4, 6 or 8 digits (an
// alpha ignored), or six digits with no "#", the program's own copy form;
// no more digits follow.
static bool takeHexColor(TextScan &s, uint32_t &color)
{
    size_t hash = peek(s) == '#', n = hexDigitsAt(s, hash, 9);
    if (hash ? n != 3 && n != 4 && n != 6 && n != 8 : n != 6)
        return false;
    if (n < 6)
        color = shorthandAt(s, hash);
    else
        hexColorAt(s, hash, color);
    s.at += hash + n;
    return true;
}

bool takeWholeColor(TextScan &s, uint32_t &color)
{
    bool named = false;
    if (takeFunction(s, named, color))
        return true;
    return !named && (takeNamedColor(s, color) || takeHexColor(s, color));
}

// A property's or an attribute's name: a letter, "_" or "-", then those
// and digits, 100 at most; an attribute's may hold ":" and "." too
// (android:color, xlink.href).
static bool takeIdentifier(TextScan &s, bool attribute)
{
    size_t n = 0;
    for (char c = peek(s); n <= 100; c = peek(s, ++n))
        if (!(isLetter(c) || c == '_' || c == '-' ||
              (n > 0 && (isDigit(c) || (attribute && (c == ':' || c == '.'))))))
            break;
    s.at += n;
    return n > 0 && n <= 100;
}

// A declaration as a browser's developer tools copy it: a property, ":",
// the colour, then "!important", ";" or the end; what follows the ";" is
// ignored.
static bool takeDeclaration(TextScan &s, uint32_t &color)
{
    if (!takeIdentifier(s, false))
        return false;
    skipBlanks(s);
    if (!takeWord(s, ":"))
        return false;
    skipBlanks(s);
    if (!takeWholeColor(s, color))
        return false;
    skipBlanks(s);
    if (takeWord(s, "!")) {
        skipBlanks(s);
        if (!takeWord(s, "important"))
            return false;
        skipBlanks(s);
    }
    return takeWord(s, ";") || !peek(s);
}

// A colour between double, single or back quotes, as code holds it, maybe
// as an attribute's value (fill="#ff8000", accent = '#ff8000'); what
// follows the closing quote is ignored.
static bool takeQuoted(TextScan &s, uint32_t &color)
{
    if (takeIdentifier(s, true)) {
        skipBlanks(s);
        if (!takeWord(s, "="))
            return false;
        skipBlanks(s);
    }
    char quote = peek(s);
    if (quote != '"' && quote != '\'' && quote != '`')
        return false;
    s.at++;
    skipBlanks(s);
    if (!takeWholeColor(s, color))
        return false;
    skipBlanks(s);
    return peek(s) == quote;
}

// Red, green and blue as three decimal numbers apart by a comma, blanks or
// both ("255, 128, 0", "255 128 0"), as design tools and spreadsheets
// copy them; nothing but blanks after them.
static bool takeDecimalChannels(TextScan &s, uint32_t &color)
{
    uint32_t v[3];
    for (int i = 0; i < 3; i++) {
        size_t before = s.at;
        skipBlanks(s);
        if (i && !takeWord(s, ",") && s.at == before)
            return false;
        skipBlanks(s);
        if (!takeDecimalByte(s, v[i]))
            return false;
    }
    skipBlanks(s);
    color = v[0] | v[1] << 8 | v[2] << 16;
    return !peek(s);
}

// Three pairs of hexadecimal digits apart by single blanks, as the
// hexadecimal readout shows them ("FF 80 00"); nothing but blanks after.
static bool takeHexPairs(TextScan &s, uint32_t &color)
{
    color = 0;
    for (int i = 0; i < 3; i++) {
        if (i && !isBlank(peek(s)))
            return false;
        s.at += i > 0;
        int byte = hexByteAt(s, 0);
        if (byte < 0 || hexDigit(peek(s, 2)) >= 0)
            return false;
        color |= (uint32_t)byte << 8 * i;
        s.at += 2;
    }
    skipBlanks(s);
    return !peek(s);
}

// After leading blanks, the shapes of a copied line come first: a
// declaration, a quoted colour or an attribute, three decimal channels
// (which win where the digits could also be hexadecimal pairs), three
// hexadecimal pairs. Otherwise the text names its form: a function,
// whatever follows its closing parenthesis ignored (as the hexadecimal
// rule ignores what follows its six characters, so "rgb(1, 2, 3);" from a
// stylesheet pastes), a named colour, the shorthand, or else the
// hexadecimal number. A text that starts with a function's name and is not
// well formed is no colour.
bool readColorText(const char *text, size_t limit, uint32_t &taken)
{
    TextScan s = {text, limit, 0};
    uint32_t color = 0;
    skipBlanks(s);
    static bool (*const shapes[])(TextScan &, uint32_t &) = {
        takeDeclaration, takeQuoted, takeDecimalChannels, takeHexPairs};
    bool accepted = false;
    for (auto shape : shapes) {
        TextScan t = s;
        if ((accepted = shape(t, color)))
            break;
    }
    bool named = false;
    if (!accepted)
        accepted = takeFunction(s, named, color);
    if (!accepted && !named)
        accepted = takeNameAlone(s, color) || takeShorthand(s, color) || takeHex(s, color);
    if (accepted)
        taken = color;
    return accepted;
}
