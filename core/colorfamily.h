// A colour's family in plain words ("orange", "greyish blue", "dark red"),
// for those who cannot tell it by sight: from its OKLCH lightness, chroma
// and hue, with fixed boundaries. Platform-free: the words themselves are
// the language's, the program's texts.
#pragma once
#include <cstdint>

// The family's word: a grey, a hue, or the word a hue has of its own for
// its dark or light kind (dark orange is brown).
enum FamilyWord {
    familyBlack, familyDarkGrey, familyGrey, familyLightGrey, familyWhite,
    familyRed, familyOrange, familyYellow, familyGreen, familyCyan, familyBlue, familyViolet,
    familyMagenta, familyBrown, familyOlive, familyPurple, familyPink, familyWordCount
};
enum FamilyTone { toneNone, toneDark, toneLight };

// A word, made greyish (a chroma just above grey's) and then dark or
// light: "dark greyish blue".
struct ColorFamily {
    FamilyWord word;
    bool greyish;
    FamilyTone tone;
};

ColorFamily colorFamily(uint32_t color);
