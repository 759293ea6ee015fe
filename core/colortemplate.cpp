#include "colortemplate.h"
#include "color.h"
#include "colormodels.h"
#include "colornames.h"
#include "textscan.h"

#include <cstdio>
#include <cstring>

char copyTemplate[copyTemplateSize];

size_t wideLength(const char *text)
{
    size_t n = 0;
    for (const unsigned char *p = (const unsigned char *)text; *p; p++)
        n += (*p & 0xC0) != 0x80 ? 1 + (*p >= 0xF0) : 0;
    return n;
}
PickPlace lastPickPlace;

// The placeholders that stand for one of a form's numbers, as that form
// writes it.
static const struct {
    const char *name;
    CopyForm form;
    int index;
} numberNames[] = {
    {"{R}", copyRgb, 0}, {"{G}", copyRgb, 1}, {"{B}", copyRgb, 2},
    {"{H}", copyHsl, 0}, {"{S}", copyHsl, 1}, {"{L}", copyHsl, 2},
    {"{Sv}", copyHsv, 1}, {"{V}", copyHsv, 2}, {"{W}", copyHwb, 1}, {"{Bk}", copyHwb, 2},
    {"{labL}", copyLab, 0}, {"{labA}", copyLab, 1}, {"{labB}", copyLab, 2},
    {"{lchL}", copyLch, 0}, {"{lchC}", copyLch, 1}, {"{lchH}", copyLch, 2},
    {"{okL}", copyOklch, 0}, {"{okC}", copyOklch, 1}, {"{okH}", copyOklch, 2},
    {"{C}", copyCmyk, 0}, {"{M}", copyCmyk, 1}, {"{Y}", copyCmyk, 2}, {"{K}", copyCmyk, 3},
};
// The others: each channel as two capital and two small hex digits and as
// a fraction, the name, the colour as one integer, 0xRRGGBB and Win32's
// 0x00BBGGRR, and where it was picked.
static const char *const otherNames[] = {"{RR}", "{GG}", "{BB}", "{rr}", "{gg}", "{bb}",
                                         "{Rf}", "{Gf}", "{Bf}", "{name}", "{int}", "{colorref}",
                                         "{x}", "{y}"};
const int otherCount = sizeof otherNames / sizeof *otherNames;

// A colour's numbers in each model, worked out once for all placeholders.
struct ModelNumbers {
    Fixed numbers[copyFormCount][4];
    bool known[copyFormCount];
};

// The value of the placeholder at text into value; its length, or 0 where
// no placeholder starts.
static size_t placeholderAt(const char *text, uint32_t color, ModelNumbers &models, char value[32])
{
    const char *rest = nullptr;
    if (*text != '{')
        return 0;
    for (const auto &p : numberNames)
        if ((rest = startsWith(text, p.name))) {
            if (!models.known[p.form])
                modelNumbers(color, p.form, models.numbers[p.form]), models.known[p.form] = true;
            writeFixed(value, models.numbers[p.form][p.index]);
            return (size_t)(rest - text);
        }
    int i = 0;
    for (; i < otherCount && !(rest = startsWith(text, otherNames[i])); i++) {
    }
    if (i == otherCount)
        return 0;
    unsigned channel = channelValue(color, channelMasks[i % 3]), colorref = color & 0xFFFFFF;
    bool exact;
    if (i < 6)
        snprintf(value, 32, i < 3 ? "%.2X" : "%.2x", channel);
    else if (i < 9)
        writeFixed(value, ratio(channel, 255, 3));
    else if (i == 9)
        snprintf(value, 32, "%s", namedColorWords(nearestNamedColor(color, exact)));
    else if (i < 12)
        snprintf(value, 32, "%u",
                 i == 11 ? colorref : (colorref & 0xFF) << 16 | (colorref & 0xFF00) | colorref >> 16);
    else if (lastPickPlace.picked && lastPickPlace.color == colorref)
        snprintf(value, 32, "%ld", (long)(i == 12 ? lastPickPlace.x : lastPickPlace.y));
    else
        value[0] = '\0';
    return (size_t)(rest - text);
}

const char *formatTemplateText(uint32_t color, const char *text, char *out, size_t size)
{
    size_t n = 0;
    auto put = [&](const char *piece, size_t length) {
        for (size_t i = 0; i < length && n + 1 < size; i++)
            out[n++] = piece[i];
    };
    char value[32];
    ModelNumbers models = {};
    for (const char *p = text; *p;) {
        size_t length = placeholderAt(p, color, models, value);
        if (length) {
            put(value, strlen(value));
            p += length;
        } else {
            bool doubled = (*p == '{' || *p == '}') && p[1] == *p;
            put(p, 1);
            p += doubled ? 2 : 1;
        }
    }
    if (size)
        out[n] = '\0';
    return out;
}
