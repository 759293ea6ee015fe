#include "colorfamily.h"
#include "colorspace.h"

#include <cstdio>

// Every word a family is made of, in one table; the patterns put a tone or
// "greyish" before a hue's word.
enum FamilyWord {
    wordBlack, wordDarkGrey, wordGrey, wordLightGrey, wordWhite,
    wordRed, wordOrange, wordYellow, wordGreen, wordCyan, wordBlue, wordViolet, wordMagenta,
    wordBrown, wordOlive, wordPurple, wordPink,
    patternDark, patternLight, patternGreyish, familyWordCount
};
static const char *const familyWords[familyWordCount] = {
    "black", "dark grey", "grey", "light grey", "white",
    "red", "orange", "yellow", "green", "cyan", "blue", "violet", "magenta",
    "brown", "olive", "purple", "pink",
    "dark %s", "light %s", "greyish %s",
};

// The hues, each from its first degree up to the next one's: below
// darkBelow it is dark, from lightFrom light, each named by its own word
// where it has one (dark orange is brown) and by the pattern where not.
struct HueFamily {
    double from;
    FamilyWord word;
    double darkBelow, lightFrom;
    FamilyWord dark, light;
};
static const HueFamily hues[] = {
    {0, wordRed, 0.48, 0.72, patternDark, wordPink},
    {40, wordOrange, 0.56, 0.86, wordBrown, patternLight},
    {75, wordYellow, 0.75, 0.985, wordOlive, patternLight},
    {125, wordGreen, 0.66, 0.93, patternDark, patternLight},
    {175, wordCyan, 0.69, 0.95, patternDark, patternLight},
    {220, wordBlue, 0.35, 0.72, patternDark, patternLight},
    {285, wordViolet, 0.40, 0.76, patternDark, patternLight},
    {320, wordMagenta, 0.53, 0.85, wordPurple, wordPink},
    {350, wordRed, 0.48, 0.72, patternDark, wordPink},
};
// Below this chroma a colour is grey, below the next greyish; below the
// lightness it is black whatever its chroma.
const double greyChroma = 0.02, greyishChroma = 0.06, blackBelow = 0.15;

const char *formatColorFamily(uint32_t color, char *out, size_t size)
{
    double lch[3];
    oklchOf(color, lch);
    double l = lch[0], c = lch[1];
    if (l < blackBelow || c < greyChroma) {
        FamilyWord grey = l < blackBelow ? wordBlack
                          : l < 0.45     ? wordDarkGrey
                          : l < 0.8      ? wordGrey
                          : l < 0.97     ? wordLightGrey
                                         : wordWhite;
        snprintf(out, size, "%s", familyWords[grey]);
        return out;
    }
    const HueFamily *hue = hues;
    while (hue + 1 < hues + sizeof hues / sizeof *hues && lch[2] >= hue[1].from)
        hue++;
    FamilyWord tone = l < hue->darkBelow ? hue->dark : l >= hue->lightFrom ? hue->light : hue->word;
    const char *word = familyWords[hue->word];
    char greyish[32];
    if (c < greyishChroma) {
        // A greyish colour keeps its hue's word: "dark greyish red", not
        // "greyish dark red".
        snprintf(greyish, sizeof greyish, familyWords[patternGreyish], word);
        word = greyish;
        tone = tone == hue->dark ? patternDark : tone == hue->light ? patternLight : hue->word;
    }
    if (tone == patternDark || tone == patternLight)
        snprintf(out, size, familyWords[tone], word);
    else
        snprintf(out, size, "%s", tone == hue->word ? word : familyWords[tone]);
    return out;
}
