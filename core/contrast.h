// The contrast of two colours as WCAG 2.x measures it, for the pair the
// program keeps: the current colour and the previous one.
#pragma once
#include <cstddef>
#include <cstdint>

// The levels normal text must reach.
const double aaRatio = 4.5, aaaRatio = 7;

// Whether the pair's contrast ratio is at least ratio.
bool contrastReaches(uint32_t a, uint32_t b, double ratio);
// "4.54:1, AA": the ratio with two decimals rounded down, so that a shown
// 4.50 always passes, and the level the exact ratio reaches: AAA from 7,
// AA from 4.5, AA large from 3, else fails.
const char *formatContrast(uint32_t a, uint32_t b, char *out, size_t size);
// "#767676 and #FFFFFF: contrast 4.54:1, AA".
const char *formatContrastReport(uint32_t a, uint32_t b, char *out, size_t size);
