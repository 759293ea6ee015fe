// A read position in a text and the small steps that read it, shared by
// the paste's shapes, the stylesheet colour functions, the palette files
// and the command line: each rule of reading written once.
#pragma once
#include <cstddef>
#include <cstdint>

// The text need not end in a zero byte. Each character is looked at only
// after those before it, so nothing past the first zero byte or the limit
// is read.
struct TextScan {
    const char *text;
    size_t limit;
    size_t at;
};

inline char peek(const TextScan &s, size_t ahead = 0)
{
    size_t j = s.at + ahead;
    return j < s.limit && j >= s.at ? s.text[j] : '\0';
}

// The blanks of the C library, and the no-break space (0xA0 in the ANSI
// text) that web pages put around what they show.
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' ||
           c == '\xA0';
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A capital ASCII letter as its small one; any other byte as it is.
inline char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

// Where text goes on after prefix, or null where it does not start with
// it; in any ASCII case where anyCase is set (prefix in small letters).
inline const char *startsWith(const char *text, const char *prefix, bool anyCase = false)
{
    for (; *prefix; text++, prefix++)
        if ((anyCase ? lowerAscii(*text) : *text) != *prefix)
            return nullptr;
    return text;
}

// Two hexadecimal digits ahead of the scan as a byte, or -1.
inline int hexByteAt(const TextScan &s, size_t ahead)
{
    int high = hexDigit(peek(s, ahead)), low = high < 0 ? -1 : hexDigit(peek(s, ahead + 1));
    return low < 0 ? -1 : high * 16 + low;
}

// Six hexadecimal digits ahead of the scan, red, green and blue (RRGGBB),
// as the colour 0x00BBGGRR; false where one of them is no such digit.
inline bool hexColorAt(const TextScan &s, size_t ahead, uint32_t &color)
{
    uint32_t c = 0;
    for (int i = 0; i < 3; i++) {
        int byte = hexByteAt(s, ahead + 2 * i);
        if (byte < 0)
            return false;
        c |= (uint32_t)byte << 8 * i;
    }
    color = c;
    return true;
}

// A whole decimal number from 0 to 255, leading zeros allowed: every digit
// is taken, so a longer number (however long) is no such number.
inline bool takeDecimalByte(TextScan &s, uint32_t &value)
{
    if (!isDigit(peek(s)))
        return false;
    uint32_t v = 0;
    for (; isDigit(peek(s)); s.at++)
        v = v > 255 ? 256 : v * 10 + (uint32_t)(peek(s) - '0');
    value = v;
    return v <= 255;
}

inline void skipBlanks(TextScan &s)
{
    while (isBlank(peek(s)))
        s.at++;
}

// Takes word, written in lower case, if the text goes on with it in any case.
inline bool takeWord(TextScan &s, const char *word)
{
    size_t n = 0;
    for (; word[n]; n++) {
        char c = peek(s, n);
        if (lowerAscii(c) != word[n])
            return false;
    }
    s.at += n;
    return true;
}

// Takes word as a whole identifier: no letter, digit or "-" follows it.
inline bool takeName(TextScan &s, const char *word)
{
    TextScan t = s;
    if (!takeWord(t, word) || isLetter(peek(t)) || isDigit(peek(t)) || peek(t) == '-')
        return false;
    s = t;
    return true;
}
