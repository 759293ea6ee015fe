// The 148 named colours of stylesheets: one table that the paste reads
// names from and that names the current colour for the face's readers.
#pragma once
#include <cstddef>
#include <cstdint>

const int namedColorCount = 148;

// A named colour's words, "dark orange"; a stylesheet writes them joined.
const char *namedColorWords(int index);
// The index of the named colour that the length bytes of text spell
// joined, in any ASCII case, or -1. Reads no byte past length.
int findNamedColor(const char *text, size_t length);
// A named colour as a 0x00BBGGRR colour.
uint32_t namedColorValue(int index);
// The named colour nearest to color (0x00BBGGRR) in Oklab, ties to the
// first in alphabetical order; exact tells whether it is that colour.
int nearestNamedColor(uint32_t color, bool &exact);
// "dark orange", or "near dark orange" when the colour is not exactly it.
const char *formatColorName(uint32_t color, char *out, size_t size);
