#include "languagetag.h"

#include <cstring>

static char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

// Whether the first length bytes of tag are ours, in any case.
static int find(const char *const *ours, int count, const char *tag, size_t length)
{
    for (int i = 0; i < count; i++) {
        size_t k = 0;
        while (k < length && ours[i][k] && lower(ours[i][k]) == lower(tag[k]))
            k++;
        if (k == length && !ours[i][k])
            return i;
    }
    return -1;
}

// Whether tag holds the part, whole, after its first.
static bool hasPart(const char *tag, const char *part)
{
    size_t n = strlen(part);
    for (const char *p = strchr(tag, '-'); p; p = strchr(p + 1, '-')) {
        size_t k = 0;
        while (k < n && lower(p[1 + k]) == part[k])
            k++;
        if (k == n && (p[1 + n] == '-' || !p[1 + n]))
            return true;
    }
    return false;
}

// Whether tag is of the language, a two-letter code in lower case.
static bool isLanguage(const char *tag, size_t length, const char *language)
{
    return length >= 2 && lower(tag[0]) == language[0] && lower(tag[1]) == language[1] &&
           (length == 2 || tag[2] == '-');
}

static int matchOne(const char *const *ours, int count, const char *tag)
{
    size_t length = strlen(tag);
    if (isLanguage(tag, length, "zh")) {
        bool traditional = hasPart(tag, "hant") || ((hasPart(tag, "tw") || hasPart(tag, "hk") ||
                                                     hasPart(tag, "mo")) &&
                                                    !hasPart(tag, "hans"));
        const char *script = traditional ? "zh-Hant" : "zh-Hans";
        int found = find(ours, count, tag, length);
        return found >= 0 ? found : find(ours, count, script, 7);
    }
    // Portuguese has two written standards: Brazil's, which the language
    // alone stands for, and Portugal's, which the other countries write.
    if (isLanguage(tag, length, "pt")) {
        const char *standard = length == 2 || hasPart(tag, "br") ? "pt-BR" : "pt-PT";
        int found = find(ours, count, tag, length);
        if (found < 0)
            found = find(ours, count, standard, 5);
        if (found >= 0)
            return found;
    }
    for (;;) {
        int found = find(ours, count, tag, length);
        if (found >= 0)
            return found;
        while (length && tag[length - 1] != '-')
            length--;
        if (!length)
            return -1;
        length--;
    }
}

int matchLanguage(const char *const *ours, int count, const char *preferred)
{
    for (const char *tag = preferred; *tag; tag += strlen(tag) + 1) {
        int found = matchOne(ours, count, tag);
        if (found >= 0)
            return found;
    }
    return -1;
}
