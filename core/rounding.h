// Rounding to the nearest, halves up, the one way the program rounds what
// it shows and averages. On integers: floating point would round some
// halves down.
#pragma once
#include <cstdint>

// n / d rounded to the nearest whole number, halves up; n >= 0, d > 0.
inline int64_t ratioRounded(int64_t n, int64_t d)
{
    return (2 * n + d) / (2 * d);
}
