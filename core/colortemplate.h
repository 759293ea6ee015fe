// The copy template: a text of the user's own in which placeholders stand
// for the colour's values, for the forms that code and tools write
// ("Color(0xFF{RR}{GG}{BB})", "new Color32({R}, {G}, {B}, 255)").
#pragma once
#include <cstddef>
#include <cstdint>

// The longest template, in characters as Windows counts them (UTF-16
// units), and the room it takes in UTF-8, its zero included: a character
// Windows counts once takes three bytes at most.
const size_t copyTemplateMax = 100;
const size_t copyTemplateSize = 3 * copyTemplateMax + 1;

extern char copyTemplate[copyTemplateSize];  // UTF-8; empty while none is set

// The length of a UTF-8 text as Windows counts it: one for each character,
// two for one beyond the 65,536 of UTF-16's single units.
size_t wideLength(const char *text);

// Where the last pick took its colour: the virtual-screen pixel at the
// centre of the sample square. It belongs to that colour only: any other
// colour was not picked there.
struct PickPlace {
    bool picked;
    uint32_t color;
    int32_t x, y;
};
extern PickPlace lastPickPlace;

// Writes text with each placeholder replaced by the colour's value:
// {R} {G} {B} the channel in decimal; {RR} {GG} {BB} two capital hex
// digits, {rr} {gg} {bb} two small ones; {Rf} {Gf} {Bf} the channel as a
// fraction of 255 with at most three decimals, no trailing zeros (1,
// 0.502, 0); the numbers of the forms, without units, as each form writes
// them: {H} {S} {L} of hsl(), {Sv} {V} of hsv() (whose hue is {H}), {W}
// {Bk} of hwb(), {labL} {labA} {labB} of lab(), {lchL} {lchC} {lchH} of
// lch(), {okL} {okC} {okH} of oklch(), {C} {M} {Y} {K} of cmyk(); {int}
// the colour as 0xRRGGBB in decimal, {colorref} as Win32's 0x00BBGGRR;
// {name} the nearest colour's name; {x} {y} where the colour was last
// picked, nothing for a colour not picked; {{ and }} a brace. Anything else, a
// lone brace too, is copied as written. Returns out, cut short at size.
const char *formatTemplateText(uint32_t color, const char *text, char *out, size_t size);
