// The paste: a text from the clipboard read as a colour, the way browsers
// read a stylesheet's colour, or else as a hexadecimal number.
#pragma once
#include <cstddef>
#include <cstdint>

// Reads every colour of CSS Color Module Level 4: the named colours,
// rgb()/rgba(), hsl()/hsla(), hwb(), lab(), lch(), oklab(), oklch() and
// color() with the predefined spaces, the #RGB and #RGBA shorthand, and
// otherwise a base-16 number 0xRRGGBB after leading blanks, a sign and a
// "0x" or "#" prefix, six characters at most. When accepted, curColor is
// saved into oldColor and takes the new colour. Reads no further than
// limit bytes or the first zero byte.
bool applyColorText(const char *text, size_t limit = SIZE_MAX);
