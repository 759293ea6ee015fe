// The words around a colour's texts, in the language in use: "near" before
// a colour's name, the contrast's levels, the contrast report. The names and
// the colour texts themselves stay as other programs read them.
#pragma once
#include <cstdint>

// Room for any of these texts, its zero included.
const int colorWordsSize = 160;

// "dark orange", or "near dark orange" when the colour is not exactly it.
const wchar_t *colorNameText(uint32_t color, wchar_t out[colorWordsSize]);
// "4.54:1, AA", as core/contrast.h measures it.
const wchar_t *contrastText(uint32_t a, uint32_t b, wchar_t out[colorWordsSize]);
// "#767676 and #FFFFFF: contrast 4.54:1, AA".
const wchar_t *contrastReport(uint32_t a, uint32_t b, wchar_t out[colorWordsSize]);
