// The text forms of a colour: three-digit decimal per channel, the whole
// colour as RRGGBB, #RRGGBB, rgb(), hsl(), oklch(), hsv(), hwb(), lab(),
// lch(), cmyk() or through the user's copy template. Fixed-size byte
// buffers only; nothing allocates.
#pragma once
#include <cstddef>
#include <cstdint>

enum ChannelIndex { redIndex, greenIndex, blueIndex };

// The forms a copy of the whole colour can take, in menu order; the stored
// setting is this number. copyCustom is the copy template's.
enum CopyForm {
    copyHex, copyHashHex, copyRgb, copyHsl, copyOklch, copyCustom,
    copyHsv, copyHwb, copyLab, copyLch, copyCmyk, copyFormCount
};

// Each form's short name ("hex", "#hex", "rgb", ..., "template", "hsv",
// ..., "cmyk"); a function's is the name it writes.
extern const char *const copyFormNames[copyFormCount];

extern CopyForm copyForm;  // the form every copy of the whole colour takes

// The kept texts, refreshed by every swatch repaint and read by the copy
// commands. Empty (all zero) until the first repaint.
extern char channelDecimal[3][4];  // "000".."255"
extern char colorHex[7];           // "RRGGBB", capital digits
// The longest copy: the copy template at its limit, every placeholder the
// longest colour name.
const size_t copyTextSize = 400;
extern char colorCopyText[copyTextSize];  // curColor in copyForm

// A stored form number as a form: an unknown one means RRGGBB, and so does
// the template's while no template is set.
CopyForm copyFormFromSetting(uint32_t stored);

// Formats one channel of curColor into its channelDecimal text and returns it.
const char *formatChannelDecimal(ChannelIndex channel);
// Formats colorHex from curColor and returns it.
const char *formatColorHex();
// Formats one channel of curColor as two capital hex digits into out.
const char *formatChannelHex(ChannelIndex channel, char out[4]);
// Formats a colour in a form into out ("0A1E28", "#0A1E28",
// "rgb(10, 30, 40)", "hsl(200, 60%, 10%)", "oklch(0.2 0.03 230)",
// "hsv(200, 75%, 16%)", "hwb(200 3.9% 84.3%)", "lab(10.01 -5.44 -9.4)",
// "lch(10.01 10.86 239.93)", "cmyk(75%, 25%, 0%, 84%)", or the copy
// template's text, RRGGBB while none is set) and returns out, cut short at
// size; 40 bytes hold the longest but the template's, copyTextSize that
// one. Only the low 24 bits count.
const char *formatColorText(uint32_t color, CopyForm form, char *out, size_t size);
// Formats colorCopyText from curColor in copyForm and returns it.
const char *formatCopyText();

// All kept texts from curColor.
void refreshColorTexts();
