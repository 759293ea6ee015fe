#include "color.h"

const uint32_t channelMasks[3] = {redMask, greenMask, blueMask};
uint32_t curColor = 0;
uint32_t oldColor = 0;
uint8_t undoArmed = 1;
void (*colorChanged)() = nullptr;

static void requestRepaint()
{
    if (colorChanged)
        colorChanged();
}

static uint32_t channelShift(uint32_t mask)
{
    return mask == greenMask ? 8 : mask == blueMask ? 16 : 0;
}

uint32_t channelValue(uint32_t color, uint32_t mask)
{
    return (color & mask) >> channelShift(mask);
}

void stepChannelUp(uint32_t mask, uint32_t step)
{
    if (undoArmed)
        oldColor = curColor;
    uint32_t v = channelValue(curColor, mask);
    if (step <= 255 - v)
        curColor += step * (mask & 0x010101);
    else
        curColor |= mask;
    requestRepaint();
}

void stepChannelDown(uint32_t mask, uint32_t step)
{
    if (undoArmed)
        oldColor = curColor;
    uint32_t v = channelValue(curColor, mask);
    if (step <= v)
        curColor -= step * (mask & 0x010101);
    else
        curColor &= ~mask;
    requestRepaint();
}

// Lighten and darken move all three channels by one amount so the
// differences between them stay; the channel nearest its limit bounds it.
void lightenColor(uint32_t step)
{
    uint32_t r = channelValue(curColor, redMask);
    uint32_t g = channelValue(curColor, greenMask);
    uint32_t b = channelValue(curColor, blueMask);
    uint32_t m = (r > g && r > b) ? r : (g > b ? g : b);
    uint32_t d = step <= 255 - m ? step : 255 - m;
    curColor += d * 0x010101;
    requestRepaint();
}

void darkenColor(uint32_t step)
{
    uint32_t r = channelValue(curColor, redMask);
    uint32_t g = channelValue(curColor, greenMask);
    uint32_t b = channelValue(curColor, blueMask);
    uint32_t m = (r < g && r < b) ? r : (g < b ? g : b);
    uint32_t d = step <= m ? step : m;
    curColor -= d * 0x010101;
    requestRepaint();
}

void swapColors()
{
    uint32_t t = curColor;
    curColor = oldColor;
    oldColor = t;
    requestRepaint();
}
