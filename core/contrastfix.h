// The nearest colour whose contrast with another passes: the current colour
// moved along its OKLCH lightness alone, hue and chroma kept as far as sRGB
// holds them, until its contrast with the previous colour reaches AA, and
// further until it reaches AAA.
#pragma once
#include <cstdint>

// The lightness moves in steps of this size, up and down from the colour's.
const double fixStep = 0.001;

struct ContrastFix {
    bool passes;         // the pair reaches AA as it is: nothing to fix
    bool found[2];       // a colour that reaches AA [0], AAA [1], was found
    uint32_t colors[2];  // those colours, 0x00BBGGRR
};

// For a colour that fails AA against another: the colours of its lightness
// path nearest to it, up or down (up on a tie), that reach AA and AAA.
ContrastFix fixContrast(uint32_t color, uint32_t against);
