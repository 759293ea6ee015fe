#include "colorfamily.h"
#include "colorspace.h"

// The hues, each from its first degree up to the next one's: below
// darkBelow it is dark, from lightFrom light, each named by the hue's own
// word for it where it has one (dark orange is brown) and by the tone
// where not (familyRed itself for none).
struct HueFamily {
    double from;
    FamilyWord word;
    double darkBelow, lightFrom;
    FamilyWord dark, light;
};
static const HueFamily hues[] = {
    {0, familyRed, 0.48, 0.72, familyRed, familyPink},
    {40, familyOrange, 0.56, 0.86, familyBrown, familyOrange},
    {75, familyYellow, 0.75, 0.985, familyOlive, familyYellow},
    {125, familyGreen, 0.66, 0.93, familyGreen, familyGreen},
    {175, familyCyan, 0.69, 0.95, familyCyan, familyCyan},
    {220, familyBlue, 0.35, 0.72, familyBlue, familyBlue},
    {285, familyViolet, 0.40, 0.76, familyViolet, familyViolet},
    {320, familyMagenta, 0.53, 0.85, familyPurple, familyPink},
    {350, familyRed, 0.48, 0.72, familyRed, familyPink},
};
// Below this chroma a colour is grey, below the next greyish; below the
// lightness it is black whatever its chroma.
const double greyChroma = 0.02, greyishChroma = 0.06, blackBelow = 0.15;

ColorFamily colorFamily(uint32_t color)
{
    double lch[3];
    oklchOf(color, lch);
    double l = lch[0], c = lch[1];
    if (l < blackBelow || c < greyChroma) {
        FamilyWord grey = l < blackBelow ? familyBlack
                          : l < 0.45     ? familyDarkGrey
                          : l < 0.8      ? familyGrey
                          : l < 0.97     ? familyLightGrey
                                         : familyWhite;
        return {grey, false, toneNone};
    }
    const HueFamily *hue = hues;
    while (hue + 1 < hues + sizeof hues / sizeof *hues && lch[2] >= hue[1].from)
        hue++;
    FamilyTone tone = l < hue->darkBelow ? toneDark : l >= hue->lightFrom ? toneLight : toneNone;
    // A greyish colour keeps its hue's word: "dark greyish red".
    bool greyish = c < greyishChroma;
    FamilyWord own = tone == toneDark ? hue->dark : tone == toneLight ? hue->light : hue->word;
    if (greyish || own == hue->word)
        return {hue->word, greyish, tone};
    return {own, false, toneNone};
}
