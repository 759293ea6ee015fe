#include "colorwords.h"
#include "texts.h"
#include "core/colorfamily.h"
#include "core/colornames.h"
#include "core/colortext.h"
#include "core/contrast.h"
#include "core/variations.h"
#include "core/vision.h"

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
    formatText(out, colorWordsSize, textContrastReport, widen(first, one, 8),
               widen(second, other, 8), contrastText(a, b, contrast));
    wchar_t report[colorWordsSize], fix[colorWordsSize];
    if (!*contrastFixText(fixContrast(a, b), fix))
        return out;
    lstrcpynW(report, out, colorWordsSize);
    return formatText(out, colorWordsSize, textHintJoin, report, fix);
}

const wchar_t *contrastFixText(const ContrastFix &fix, wchar_t out[colorWordsSize])
{
    char hex[2][8];
    wchar_t colors[2][8];
    for (int level = 0; level < 2; level++)
        widen(formatColorText(fix.colors[level], copyHashHex, hex[level], 8), colors[level], 8);
    if (fix.passes)
        return lstrcpynW(out, L"", colorWordsSize);
    if (!fix.found[0])
        return lstrcpynW(out, uiText(textFixNonePart), colorWordsSize);
    return formatText(out, colorWordsSize, fix.found[1] ? textFixBothPart : textFixAaPart,
                      colors[0], colors[1]);
}

const wchar_t *colorFamilyText(uint32_t color, wchar_t out[colorWordsSize])
{
    static const TextId words[familyWordCount] = {
        textBlackFamily,  textDarkGreyFamily, textGreyFamily,   textLightGreyFamily,
        textWhiteFamily,  textRedFamily,      textOrangeFamily, textYellowFamily,
        textGreenFamily,  textCyanFamily,     textBlueFamily,   textVioletFamily,
        textMagentaFamily, textBrownFamily,   textOliveFamily,  textPurpleFamily,
        textPinkFamily};
    ColorFamily family = colorFamily(color);
    wchar_t word[colorWordsSize];
    lstrcpynW(out, uiText(words[family.word]), colorWordsSize);
    if (family.greyish)
        formatText(out, colorWordsSize, textGreyishFamily, lstrcpynW(word, out, colorWordsSize));
    if (family.tone != toneNone)
        formatText(out, colorWordsSize, family.tone == toneDark ? textDarkFamily : textLightFamily,
                   lstrcpynW(word, out, colorWordsSize));
    return out;
}

const wchar_t *visionText(int filter)
{
    static const TextId names[visionFilterCount - 1] = {textProtanopia, textDeuteranopia,
                                                        textTritanopia, textAchromatopsia};
    return filter > visionNormal && filter < visionFilterCount ? uiText(names[filter - 1]) : L"";
}

const wchar_t *variationText(int i, wchar_t out[colorWordsSize])
{
    static const TextId names[] = {textTintVariation,      textShadeVariation,
                                   textComplementVariation, textAnalogousVariation,
                                   textTriadVariation,     textSplitVariation};
    const Variation &v = variations[i];
    // "+10%" of lightness, "-30°" of hue.
    int by = v.hue ? (int)v.hue : (int)(v.lightness * 100 + (v.lightness < 0 ? -0.5 : 0.5));
    wchar_t amount[16];
    wsprintfW(amount, v.hue ? L"%c%d\u00B0" : L"%c%d%%", by < 0 ? '-' : '+', by < 0 ? -by : by);
    return formatText(out, colorWordsSize, names[v.kind], amount);
}
