// A colour's family in words ("orange", "greyish blue", "dark red"), for
// those who cannot tell it by sight: from its OKLCH lightness, chroma and
// hue, with fixed boundaries. Platform-free.
#pragma once
#include <cstddef>
#include <cstdint>

// The family of a 0x00BBGGRR colour, into out, cut short at size.
const char *formatColorFamily(uint32_t color, char *out, size_t size);
