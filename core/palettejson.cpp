// A JSON palette read as JSON: strings with their escapes, values nested
// to any depth. Its colours are the strings of the top-level array that
// are colours, and in each object of that array the colour under a key
// named hex, color, colour or value (in any case): never a name.
#include "palettetext.h"

// The longest string looked at as a colour; a longer one is cut, and is
// none.
const size_t stringRoom = 256;

// A character of a string into text, in UTF-8, while there is room.
static void putCharacter(char (&text)[stringRoom], size_t &length, uint32_t u)
{
    char bytes[3] = {(char)u};
    int n = 1;
    if (u >= 0x800)
        bytes[0] = (char)(0xE0 | u >> 12), bytes[1] = (char)(0x80 | (u >> 6 & 0x3F)), n = 3;
    else if (u >= 0x80)
        bytes[0] = (char)(0xC0 | u >> 6), n = 2;
    if (n > 1)
        bytes[n - 1] = (char)(0x80 | (u & 0x3F));
    for (int i = 0; i < n && length < stringRoom - 1; i++)
        text[length++] = bytes[i];
}

// A string's text at the scan, its escapes decoded, into text; false where
// it is not well formed. The scan goes past it.
static bool takeString(TextScan &s, char (&text)[stringRoom], size_t &length)
{
    length = 0;
    if (!takeWord(s, "\""))
        return false;
    for (char c; (c = peek(s)) != '"'; s.at++) {
        if ((uint8_t)c < 0x20)  // the text's end, or a control character
            return false;
        if (c != '\\') {
            if (length < stringRoom - 1)
                text[length++] = c;
            continue;
        }
        static const char escapes[] = "\"\"\\\\//b\bf\fn\nr\rt\t";
        char e = peek(s, 1);
        uint32_t u = 0x10000;
        for (int i = 0; escapes[i]; i += 2)
            if (e == escapes[i])
                u = (uint8_t)escapes[i + 1];
        if (e == 'u') {
            u = 0;
            for (int i = 2; i <= 5; i++) {
                int d = hexDigit(peek(s, i));
                u = d < 0 || u >= 0x10000 ? 0x10000 : u * 16 + (uint32_t)d;
            }
        }
        if (u >= 0x10000)  // no escape, or a digit that is none
            return false;
        s.at += e == 'u' ? 5 : 1;
        putCharacter(text, length, u);
    }
    s.at++;
    text[length] = '\0';
    return true;
}

// Any value: a string, an array or an object to any depth (counted, not
// recursed into), or a number, true, false or null; false where it is not
// well formed.
static bool skipValue(TextScan &s)
{
    char text[stringRoom];
    size_t length, depth = 0;
    do {
        skipBlanks(s);
        char c = peek(s);
        if (s.at >= s.limit)
            return false;
        if (c == '"') {
            if (!takeString(s, text, length))
                return false;
        } else if (c == '[' || c == '{') {
            depth++, s.at++;
        } else if (c == ']' || c == '}') {
            if (!depth)
                return false;
            depth--, s.at++;
        } else if (c == ',' || c == ':') {
            if (!depth)
                return false;
            s.at++;
        } else {
            size_t start = s.at;
            while (isLetter(peek(s)) || isDigit(peek(s)) || peek(s) == '.' || peek(s) == '-' ||
                   peek(s) == '+')
                s.at++;
            if (s.at == start)
                return false;
        }
    } while (depth);
    return true;
}

static bool colorOf(const char *text, size_t length, uint32_t &color)
{
    return wholeColorTo({text, length, 0}, length, color);
}

// An object, and its colour where it has one: the first string that is a
// colour under a colour's key; false where it is not well formed.
static bool takeObject(TextScan &s, uint32_t &color, bool &found)
{
    static const char *const keys[] = {"hex", "color", "colour", "value"};
    found = false;
    s.at++;
    skipBlanks(s);
    if (takeWord(s, "}"))
        return true;
    do {
        char key[stringRoom], text[stringRoom];
        size_t keyLength, length;
        skipBlanks(s);
        if (!takeString(s, key, keyLength))
            return false;
        skipBlanks(s);
        if (!takeWord(s, ":"))
            return false;
        skipBlanks(s);
        bool colorKey = false;
        for (const char *k : keys) {
            const char *rest = startsWith(key, k, true);
            colorKey = colorKey || (rest && rest == key + keyLength);
        }
        uint32_t c;
        if (!colorKey || peek(s) != '"') {
            if (!skipValue(s))
                return false;
        } else if (!takeString(s, text, length)) {
            return false;
        } else if (!found && colorOf(text, length, c)) {
            color = c, found = true;
        }
        skipBlanks(s);
    } while (takeWord(s, ","));
    return takeWord(s, "}");
}

void readJson(TextScan s, Colors &c)
{
    skipBlanks(s);
    if (!takeWord(s, "["))
        return;
    skipBlanks(s);
    if (takeWord(s, "]"))
        return;
    do {
        skipBlanks(s);
        char text[stringRoom];
        size_t length;
        uint32_t color;
        if (peek(s) == '"') {
            if (!takeString(s, text, length))
                return;
            if (colorOf(text, length, color))
                addColor(c, color);
        } else if (peek(s) == '{') {
            bool found;
            if (!takeObject(s, color, found))
                return;
            if (found)
                addColor(c, color);
        } else if (!skipValue(s)) {
            return;
        }
        skipBlanks(s);
    } while (takeWord(s, ","));
}
