// Colour vision as people with a deficiency see it: the three dichromacies
// of Machado, Oliveira and Fernandes (2009) at full severity and
// achromatopsia, each in linear-light sRGB. Platform-free.
#pragma once
#include <cstdint>

enum VisionFilter {
    visionNormal, visionProtanopia, visionDeuteranopia, visionTritanopia, visionAchromatopsia,
    visionFilterCount
};

// The colour vision the magnifier shows, kept between runs.
extern int visionFilter;
// A stored filter as a filter: anything but 0 to 4 is normal vision.
int visionFilterFromSetting(uint32_t stored);

// A 0x00BBGGRR colour as the filter shows it: linearised, multiplied by the
// model's matrix, clipped to sRGB and rounded to 8 bits a channel.
uint32_t simulateVision(uint32_t color, int filter);
// The same for count pixels 0x00RRGGBB, as a device-independent bitmap
// holds them, in place; the top byte becomes 0. Table-driven, for the
// magnifier's every read.
void filterPixels(uint32_t *pixels, int count, int filter);
