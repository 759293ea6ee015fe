// A colour's numbers in the models the copy forms write (RGB, HSL, HSV,
// HWB, CIE Lab and LCH, Oklch, CMYK), each rounded as its form writes it,
// so that a form and a template's placeholder agree to the last digit.
#pragma once
#include <cstdint>

#include "colortext.h"

// A number as a form writes it: units of 10 to the -decimals.
struct Fixed {
    int32_t units;
    int decimals;
};

// n / d >= 0 with the given decimals, rounded to the nearest, halves up;
// 0 where d is.
Fixed ratio(int64_t n, int64_t d, int decimals);

// The numbers of a colour in the model of a form from copyRgb on (not the
// template's), hue first where the model has one, into out; returns how
// many, 3 or 4 (CMYK). Greys have hue 0; a hue that rounds to 360 is 0.
int modelNumbers(uint32_t color, CopyForm form, Fixed out[4]);

// Writes f in decimal, without trailing zeros after the point and with a
// "-" only before a nonzero number, and a zero byte after it; returns where
// that byte is. out holds 13 bytes.
char *writeFixed(char *out, Fixed f);
