// A read position in a pasted text and the small steps that read it, shared
// by the paste's shapes and the stylesheet colour functions.
#pragma once
#include <cstddef>

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
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != word[n])
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
