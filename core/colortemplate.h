// The copy template: a text of the user's own in which placeholders stand
// for the colour's values, for the forms that code and tools write
// ("Color(0xFF{RR}{GG}{BB})", "new Color32({R}, {G}, {B}, 255)").
#pragma once
#include <cstddef>
#include <cstdint>

// The longest template, in bytes of the ANSI text.
const size_t copyTemplateMax = 100;

extern char copyTemplate[copyTemplateMax + 1];  // the template; empty while none is set

// Writes text with each placeholder replaced by the colour's value:
// {R} {G} {B} the channel in decimal; {RR} {GG} {BB} two capital hex
// digits, {rr} {gg} {bb} two small ones; {Rf} {Gf} {Bf} the channel as a
// fraction of 255 with at most three decimals, no trailing zeros (1,
// 0.502, 0); the numbers of the forms, without units, as each form writes
// them: {H} {S} {L} of hsl(), {Sv} {V} of hsv() (whose hue is {H}), {W}
// {Bk} of hwb(), {labL} {labA} {labB} of lab(), {lchL} {lchC} {lchH} of
// lch(), {okL} {okC} {okH} of oklch(), {C} {M} {Y} {K} of cmyk(); {int}
// the colour as 0xRRGGBB in decimal, {colorref} as Win32's 0x00BBGGRR;
// {name} the nearest colour's name; {{ and }} a brace. Anything else, a
// lone brace too, is copied as written. Returns out, cut short at size.
const char *formatTemplateText(uint32_t color, const char *text, char *out, size_t size);
