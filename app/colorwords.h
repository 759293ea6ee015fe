// The words around a colour's texts, in the language in use: "near" before
// a colour's name, the contrast's levels, the contrast report and its fix,
// the colour's family, the colour-vision deficiencies and the variations.
// The names and the colour texts themselves stay as other programs read
// them.
#pragma once
#include <cstdint>

#include "core/contrastfix.h"

// Room for any of these texts, its zero included.
const int colorWordsSize = 160;

// "dark orange", or "near dark orange" when the colour is not exactly it.
const wchar_t *colorNameText(uint32_t color, wchar_t out[colorWordsSize]);
// "4.54:1, AA", as core/contrast.h measures it.
const wchar_t *contrastText(uint32_t a, uint32_t b, wchar_t out[colorWordsSize]);
// "#767676 and #FFFFFF: contrast 4.54:1, AA", and where the pair fails AA
// what the contrast fix offers.
const wchar_t *contrastReport(uint32_t a, uint32_t b, wchar_t out[colorWordsSize]);
// What the contrast fix offers where the pair fails AA, "nearest with AA
// #767676, with AAA #595959"; empty where it passes.
const wchar_t *contrastFixText(const ContrastFix &fix, wchar_t out[colorWordsSize]);
// The colour's family, "dark greyish blue".
const wchar_t *colorFamilyText(uint32_t color, wchar_t out[colorWordsSize]);
// A colour-vision deficiency's name ("protanopia"), and a variation's
// ("tint +10%").
const wchar_t *visionText(int filter);
const wchar_t *variationText(int i, wchar_t out[colorWordsSize]);
