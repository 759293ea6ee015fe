#include "textfill.h"

static bool rightToLeftLetter(wchar_t c)
{
    return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFF);
}

static bool leftToRightOnly(const wchar_t *text)
{
    for (; *text; text++)
        if (rightToLeftLetter(*text))
            return false;
    return true;
}

wchar_t *fillText(wchar_t *out, size_t size, const wchar_t *pattern, const wchar_t *const *args,
                  int count, bool isolate)
{
    size_t n = 0;
    auto put = [&](wchar_t c) {
        if (n + 1 < size)
            out[n++] = c;
    };
    for (const wchar_t *p = pattern; *p; p++) {
        int k = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? p[1] - '1' : -1;
        if (k < 0) {
            put(*p);
            continue;
        }
        p++;
        if (k >= count || !args[k])
            continue;
        bool embed = isolate && leftToRightOnly(args[k]);
        if (embed)
            put(0x202A);
        for (const wchar_t *a = args[k]; *a; a++)
            put(*a);
        if (embed)
            put(0x202C);
    }
    if (size)
        out[n] = 0;
    return out;
}

wchar_t markedLetter(const wchar_t *text)
{
    for (; *text; text++)
        if (text[0] == '&' && text[1]) {
            if (text[1] != '&')
                return text[1];
            text++;
        }
    return 0;
}
