#include "colortext.h"
#include "color.h"

#include <cstdio>

char channelDecimal[3][4];
char colorHex[7];

static const uint32_t channelMasks[3] = {redMask, greenMask, blueMask};

static unsigned channelOf(ChannelIndex channel)
{
    return (unsigned)channelValue(curColor, channelMasks[channel]);
}

const char *formatChannelDecimal(ChannelIndex channel)
{
    snprintf(channelDecimal[channel], sizeof channelDecimal[channel], "%.3u", channelOf(channel));
    return channelDecimal[channel];
}

const char *formatColorHex()
{
    snprintf(colorHex, sizeof colorHex, "%.2X%.2X%.2X",
             channelOf(redIndex), channelOf(greenIndex), channelOf(blueIndex));
    return colorHex;
}

const char *formatChannelHex(ChannelIndex channel, char out[4])
{
    snprintf(out, 4, "%.2X", channelOf(channel));
    return out;
}

void refreshColorTexts()
{
    formatChannelDecimal(redIndex);
    formatChannelDecimal(greenIndex);
    formatChannelDecimal(blueIndex);
    formatColorHex();
}

static bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

static int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// What stands before the colour does not count towards its six characters:
// leading blanks, one sign and one prefix, "0x", "0X" or "#", the forms
// that stylesheets, design tools and source code copy. The six characters
// after them must all be hexadecimal digits up to the text's end or the
// sixth; the rest of a longer text is ignored. The 0 of "0x" counts as a
// digit, so "0x" alone is black; the empty text is black too, but blanks,
// a sign or a "#" with no digit are no colour. A "-" negates in 32 bits.
// Reads no further than limit bytes or the first zero byte.
bool applyColorText(const char *text, size_t limit)
{
    size_t i = 0;
    auto at = [&](size_t j) { return j < limit ? text[j] : '\0'; };
    while (isBlank(at(i)))
        i++;
    bool negative = false;
    if (at(i) == '+' || at(i) == '-')
        negative = at(i++) == '-';
    bool anyDigit = false;
    if (at(i) == '#') {
        i++;
    } else if (at(i) == '0' && (at(i + 1) == 'x' || at(i + 1) == 'X')) {
        anyDigit = true;
        i += 2;
    }
    uint32_t v = 0;
    for (size_t n = 0; n < 6 && at(i + n); n++) {
        int d = hexDigit(at(i + n));
        if (d < 0)
            return false;
        v = v * 16 + (uint32_t)d;
        anyDigit = true;
    }
    if (!anyDigit && i > 0)
        return false;
    if (negative)
        v = 0u - v;
    uint32_t red = (v >> 16) & 0xFF, green = (v >> 8) & 0xFF, blue = v & 0xFF;
    oldColor = curColor;
    curColor = red | green << 8 | blue << 16;
    return true;
}
