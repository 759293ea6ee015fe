// The colour functions of stylesheets (CSS Color Module Level 4): rgb(),
// rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch() and color()
// with its predefined spaces, device-cmyk() of Level 5; and hsv() (hsb())
// and cmyk(), which design tools and print layouts write.
#pragma once
#include <cstdint>

#include "textscan.h"

// A function's name, in any case, and its opening parenthesis, then its
// values up to the closing parenthesis; named tells whether the text began
// with a function's name, also when what follows is not well formed. On
// success the scan stands after the ")" and color is the colour as
// browsers show it, clipped to sRGB.
bool takeFunction(TextScan &s, bool &named, uint32_t &color);
