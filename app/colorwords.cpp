#include "colorwords.h"
#include "texts.h"
#include "core/colornames.h"
#include "core/colortext.h"
#include "core/contrast.h"

const wchar_t *colorNameText(uint32_t color, wchar_t out[colorWordsSize])
{
    bool exact;
    wchar_t name[40];
    widen(namedColorWords(nearestNamedColor(color, exact)), name, 40);
    if (exact)
        return lstrcpynW(out, name, colorWordsSize);
    return formatText(out, colorWordsSize, textNearColour, name);
}

const wchar_t *contrastText(uint32_t a, uint32_t b, wchar_t out[colorWordsSize])
{
    // The ratio and the levels AA and AAA as the guidelines write them.
    char english[24];
    formatContrast(a, b, english, sizeof english);
    char *level = english;
    while (*level && *level != ' ')
        level++;
    widen(english, out, colorWordsSize);
    if (!lstrcmpA(level, " AA large") || !lstrcmpA(level, " fails"))
        lstrcpynW(out + (level - english) + 1, uiText(level[1] == 'A' ? textContrastLarge
                                                                       : textContrastFails),
                  colorWordsSize - (int)(level - english) - 1);
    return out;
}

const wchar_t *contrastReport(uint32_t a, uint32_t b, wchar_t out[colorWordsSize])
{
    char first[8], second[8];
    wchar_t one[8], other[8], contrast[colorWordsSize];
    formatColorText(a, copyHashHex, first, sizeof first);
    formatColorText(b, copyHashHex, second, sizeof second);
    return formatText(out, colorWordsSize, textContrastReport, widen(first, one, 8),
                      widen(second, other, 8), contrastText(a, b, contrast));
}
