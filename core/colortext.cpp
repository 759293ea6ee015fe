#include "colortext.h"
#include "color.h"

#include <cstdio>

CopyForm copyForm = copyHex;
char channelDecimal[3][4];
char colorHex[7];
char colorCopyText[24];

static const uint32_t channelMasks[3] = {redMask, greenMask, blueMask};

static unsigned channelOf(ChannelIndex channel)
{
    return (unsigned)channelValue(curColor, channelMasks[channel]);
}

CopyForm copyFormFromSetting(uint32_t stored)
{
    return stored < copyFormCount ? (CopyForm)stored : copyHex;
}

const char *formatChannelDecimal(ChannelIndex channel)
{
    snprintf(channelDecimal[channel], sizeof channelDecimal[channel], "%.3u", channelOf(channel));
    return channelDecimal[channel];
}

const char *formatColorHex()
{
    return formatColorText(curColor, copyHex, colorHex, sizeof colorHex);
}

const char *formatChannelHex(ChannelIndex channel, char out[4])
{
    snprintf(out, 4, "%.2X", channelOf(channel));
    return out;
}

// n / d rounded to the nearest, halves up, for n >= 0 and d > 0.
static int64_t roundedQuotient(int64_t n, int64_t d)
{
    return (2 * n + d) / (2 * d);
}

// Hue in whole degrees 0..359, saturation and lightness in whole percent,
// as stylesheets define them. Each is a ratio of integers, rounded exactly,
// so a half always goes up; floating point would round some halves down.
static void hslOf(int64_t r, int64_t g, int64_t b, unsigned hsl[3])
{
    int64_t high = r > g ? (r > b ? r : b) : (g > b ? g : b);
    int64_t low = r < g ? (r < b ? r : b) : (g < b ? g : b);
    int64_t spread = high - low, sum = high + low;
    hsl[0] = hsl[1] = 0;  // greys have no hue and no saturation
    hsl[2] = (unsigned)roundedQuotient(sum * 100, 510);
    if (spread == 0)
        return;
    // Degrees times spread: 60 per sixth of the wheel, from the largest channel.
    int64_t hue = high == r ? 60 * (g - b) : high == g ? 120 * spread + 60 * (b - r)
                                                       : 240 * spread + 60 * (r - g);
    if (hue < 0)
        hue += 360 * spread;
    hsl[0] = (unsigned)roundedQuotient(hue, spread) % 360;
    hsl[1] = (unsigned)roundedQuotient(spread * 100, sum <= 255 ? sum : 510 - sum);
}

const char *formatColorText(uint32_t color, CopyForm form, char *out, size_t size)
{
    unsigned r = channelValue(color, redMask), g = channelValue(color, greenMask),
             b = channelValue(color, blueMask);
    unsigned hsl[3];
    switch (form) {
    case copyRgb:
        snprintf(out, size, "rgb(%u, %u, %u)", r, g, b);
        break;
    case copyHsl:
        hslOf(r, g, b, hsl);
        snprintf(out, size, "hsl(%u, %u%%, %u%%)", hsl[0], hsl[1], hsl[2]);
        break;
    default:
        snprintf(out, size, "%s%.2X%.2X%.2X", form == copyHashHex ? "#" : "", r, g, b);
        break;
    }
    return out;
}

const char *formatCopyText()
{
    return formatColorText(curColor, copyForm, colorCopyText, sizeof colorCopyText);
}

void refreshColorTexts()
{
    formatChannelDecimal(redIndex);
    formatChannelDecimal(greenIndex);
    formatChannelDecimal(blueIndex);
    formatColorHex();
    formatCopyText();
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
