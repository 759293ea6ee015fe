// The paste: a text from the clipboard read as a colour, the way browsers
// read a stylesheet's colour, or else as a hexadecimal number; around it
// whatever a copied line of a stylesheet, of code or of a design tool adds.
#pragma once
#include <cstddef>
#include <cstdint>

#include "textscan.h"

// Reads, after leading blanks (the no-break space 0xA0 among them): a
// declaration ("color: #ff8000;", "--accent: oklch(0.7 0.15 30)
// !important"), a colour in double, single or back quotes, also as an
// attribute's value (fill="#ff8000"), three decimal channels
// ("255, 128, 0"), three hexadecimal pairs ("FF 80 00"); and every colour
// of CSS Color Module Level 4: the named colours, rgb()/rgba(),
// hsl()/hsla(), hwb(), lab(), lch(), oklab(), oklch() and color() with the
// predefined spaces, and hsv()/hsb() and cmyk() of design tools; the #RGB
// and #RGBA shorthand, and otherwise a base-16 number 0xRRGGBB after a
// sign and a "0x" or "#" prefix, six characters at most. When accepted,
// color takes the colour read; it is left as it was otherwise. Reads no further than limit bytes or the first zero byte.
bool readColorText(const char *text, size_t limit, uint32_t &color);

// A colour that stands whole in a declaration, between quotes or in a
// palette file: a function, a name or a hexadecimal colour ("#" and 3, 4, 6
// or 8 digits, or six digits alone). The caller looks at what follows it.
bool takeWholeColor(TextScan &s, uint32_t &color);
