#include "colortext.h"
#include "color.h"
#include "colormodels.h"
#include "colortemplate.h"

#include <cstdio>
#include <cstring>

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

const char *const copyFormNames[copyFormCount] = {
    "hex", "#hex", "rgb", "hsl", "oklch", "template", "hsv", "hwb", "lab", "lch", "cmyk",
};

const char *formatColorText(uint32_t color, CopyForm form, char *out, size_t size)
{
    if (form == copyCustom && copyTemplate[0])
        return formatTemplateText(color, copyTemplate, out, size);
    if (form <= copyHashHex || form == copyCustom || form >= copyFormCount) {
        snprintf(out, size, "%s%.2X%.2X%.2X", form == copyHashHex ? "#" : "",
                 channelValue(color, redMask), channelValue(color, greenMask),
                 channelValue(color, blueMask));
        return out;
    }
    // A function of the form's name: its numbers apart by commas or by
    // blanks, as the form is written, the marked ones percentages.
    static const struct {
        bool commas;
        unsigned char percents;  // a bit for each number, the first lowest
    } layouts[copyFormCount] = {{}, {}, {true, 0}, {true, 6}, {false, 0}, {},
                                {true, 6}, {false, 6}, {false, 0}, {false, 0}, {true, 15}};
    Fixed numbers[4];
    int count = modelNumbers(color, form, numbers);
    char text[64], *at = text + snprintf(text, 16, "%s(", copyFormNames[form]);
    for (int n = 0; n < count; n++) {
        if (n && layouts[form].commas)
            *at++ = ',';
        if (n)
            *at++ = ' ';
        at = writeFixed(at, numbers[n]);
        if (layouts[form].percents >> n & 1)
            *at++ = '%';
    }
    strcpy(at, ")");
    snprintf(out, size, "%s", text);
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
