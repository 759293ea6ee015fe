// The colour spaces of stylesheets, in double precision: each one to the
// program's 8-bit sRGB colour, and sRGB to CIE Lab and Oklab for the copy
// forms and the nearest name. Matrices and transfer curves are those
// browsers use, with the Bradford adaptation between the D50 and D65
// whites.
#pragma once
#include <cstdint>

enum ColorSpace {
    spaceSrgb, spaceSrgbLinear, spaceDisplayP3, spaceA98Rgb, spaceProPhotoRgb, spaceRec2020,
    spaceXyzD50, spaceXyzD65, spaceHsl, spaceHsv, spaceHwb, spaceLab, spaceLch, spaceOklab, spaceOklch,
};

// Three components in a space (rgb spaces 0..1, hsl, hsv and hwb as hue in
// degrees and two fractions 0..1, lab and lch as written, hues in degrees)
// as a 0x00BBGGRR colour: outside sRGB each channel is clipped, as browsers
// show such a colour, then rounded to the nearest 1/255, halves up.
uint32_t colorFromSpace(ColorSpace space, const double components[3]);

// One sRGB channel 0..255 in linear light 0..1, with the 0.04045 threshold.
double linearChannel(uint32_t value);

// One sRGB channel 0..1 clipped and rounded to 0..255, halves up.
uint32_t channelFromUnit(double v);

// A colour's CIE Lab (D50, as stylesheets have it) and Oklab lightness and
// their a and b axes.
void labOf(uint32_t color, double lab[3]);
void oklabOf(uint32_t color, double lab[3]);

// A colour's Oklab lightness 0..1, chroma and hue in degrees 0..360 (OKLCH).
void oklchOf(uint32_t color, double lch[3]);
// An OKLCH colour brought into sRGB by lowering its chroma alone, as far
// as it must (lightness held to 0..1), and rounded to 8 bits a channel: the
// hue and the lightness stay.
uint32_t colorFromOklch(double lightness, double chroma, double hue);

// Oklab to linear-light sRGB, unclipped.
void oklabToLinearSrgb(const double lab[3], double rgb[3]);
// Linear-light sRGB 0..1 as a colour: each channel clipped, encoded, then
// rounded to the nearest 1/255, halves up.
uint32_t colorFromLinearSrgb(const double rgb[3]);
// One linear-light channel so: clipped, encoded and rounded to 0..255.
uint32_t channelFromLinear(double v);
