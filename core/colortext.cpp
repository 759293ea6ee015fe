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

// The rule of an unsigned base-16 conversion: blanks, one sign, an optional
// 0x prefix (its 0 counts as a digit), then digits. The text is accepted
// only when the conversion ends at the text's end; with no digit at all it
// ends at the start. Written out here so both C runtimes behave alike.
static bool parseHex(const char *text, uint32_t *value)
{
    const char *p = text;
    while (isBlank(*p))
        p++;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    bool anyDigit = false;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        anyDigit = true;
        p += 2;
    }
    uint32_t v = 0;
    for (int d; (d = hexDigit(*p)) >= 0; p++) {
        v = v * 16 + (uint32_t)d;
        anyDigit = true;
    }
    if (!anyDigit)
        p = text;
    if (*p != '\0')
        return false;
    *value = negative ? 0u - v : v;
    return true;
}

bool applyColorText(const char *text)
{
    char work[7] = {0};
    for (int i = 0; i < 6 && text[i]; i++)
        work[i] = text[i];
    uint32_t v;
    if (!parseHex(work, &v))
        return false;
    uint32_t red = (v >> 16) & 0xFF, green = (v >> 8) & 0xFF, blue = v & 0xFF;
    oldColor = curColor;
    curColor = red | green << 8 | blue << 16;
    return true;
}
