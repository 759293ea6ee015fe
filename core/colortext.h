// The text forms of the current colour: three-digit decimal per channel,
// six-digit hexadecimal for the whole colour, and the parse of a pasted
// text. Fixed-size byte buffers only; nothing allocates.
#pragma once
#include <cstddef>
#include <cstdint>

enum ChannelIndex { redIndex, greenIndex, blueIndex };

// The kept texts, refreshed by every swatch repaint and read by the copy
// commands. Empty (all zero) until the first repaint.
extern char channelDecimal[3][4];  // "000".."255"
extern char colorHex[7];           // "RRGGBB", capital digits

// Formats one channel of curColor into its channelDecimal text and returns it.
const char *formatChannelDecimal(ChannelIndex channel);
// Formats colorHex from curColor and returns it.
const char *formatColorHex();
// Formats one channel of curColor as two capital hex digits into out.
const char *formatChannelHex(ChannelIndex channel, char out[4]);

// All kept texts from curColor.
void refreshColorTexts();

// Parses a pasted text as a base-16 number 0xRRGGBB: after leading blanks,
// a sign and a "0x" or "#" prefix, six characters at most. When accepted,
// curColor is saved into oldColor and takes the new colour. Reads no
// further than limit bytes or the first zero byte.
bool applyColorText(const char *text, size_t limit = SIZE_MAX);
