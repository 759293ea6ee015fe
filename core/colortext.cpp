#include "colortext.h"
#include "color.h"
#include "colorspace.h"
#include "colortemplate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

CopyForm copyForm = copyHex;
char channelDecimal[3][4];
char colorHex[7];
char colorCopyText[copyTextSize];

static unsigned channelOf(ChannelIndex channel)
{
    return (unsigned)channelValue(curColor, channelMasks[channel]);
}

CopyForm copyFormFromSetting(uint32_t stored)
{
    bool known = stored < copyFormCount && (stored != copyCustom || copyTemplate[0]);
    return known ? (CopyForm)stored : copyHex;
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
void hslOfColor(uint32_t color, unsigned hsl[3])
{
    int64_t r = channelValue(color, redMask), g = channelValue(color, greenMask),
            b = channelValue(color, blueMask);
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

// 10 to the power of decimals.
static uint32_t unitOf(int decimals)
{
    uint32_t unit = 1;
    for (int i = 0; i < decimals; i++)
        unit *= 10;
    return unit;
}

// v >= 0 with the given decimals, rounded to the nearest, without trailing
// zeros: integers only, so the text is the same from every C library.
static void appendFixed(char *&at, char *end, double v, int decimals)
{
    uint32_t unit = unitOf(decimals);
    uint32_t n = (uint32_t)std::llround(v * unit);
    while (decimals > 0 && n % unit % 10 == 0 && n % unit)
        unit /= 10, n /= 10, decimals--;
    int written = n % unit ? snprintf(at, end - at, "%u.%.*u", n / unit, decimals, n % unit)
                           : snprintf(at, end - at, "%u", n / unit);
    at += written > 0 && written < end - at ? written : 0;
}

// oklch(L C H): lightness 0..1, chroma and hue in degrees, each with the
// decimals that make every colour of 8-bit sRGB paste back exactly; a
// hue without chroma is 0.
static void formatOklch(uint32_t color, char *out, size_t size)
{
    double lab[3];
    oklabOf(color, lab);
    double chroma = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    double hue = std::atan2(lab[2], lab[1]) * 180 / 3.14159265358979323846;
    hue = chroma < 5e-7 ? 0 : hue < 0 ? hue + 360 : hue;
    char *at = out, *end = out + size;
    at += snprintf(at, end - at, "oklch(");
    appendFixed(at, end, std::max(lab[0], 0.0), oklchLightDecimals);
    at += snprintf(at, end - at, " ");
    appendFixed(at, end, chroma < 5e-7 ? 0 : chroma, oklchChromaDecimals);
    at += snprintf(at, end - at, " ");
    // A hue that its decimals round up to 360 is printed as 0, the same angle.
    double hueUnit = unitOf(oklchHueDecimals);
    appendFixed(at, end, std::llround(hue * hueUnit) >= 360 * hueUnit ? 0 : hue, oklchHueDecimals);
    snprintf(at, end - at, ")");
}

const char *formatColorText(uint32_t color, CopyForm form, char *out, size_t size)
{
    unsigned r = channelValue(color, redMask), g = channelValue(color, greenMask),
             b = channelValue(color, blueMask);
    unsigned hsl[3];
    if (form == copyCustom && copyTemplate[0])
        return formatTemplateText(color, copyTemplate, out, size);
    switch (form) {
    case copyRgb:
        snprintf(out, size, "rgb(%u, %u, %u)", r, g, b);
        break;
    case copyHsl:
        hslOfColor(color, hsl);
        snprintf(out, size, "hsl(%u, %u%%, %u%%)", hsl[0], hsl[1], hsl[2]);
        break;
    case copyOklch:
        formatOklch(color, out, size);
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
