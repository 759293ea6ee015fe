#include "colortext.h"
#include "color.h"

#include <algorithm>
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

// A read position in a pasted text, which need not end in a zero byte.
// Each character is looked at only after those before it, so nothing past
// the first zero byte or the limit is read.
struct TextScan {
    const char *text;
    size_t limit;
    size_t at;
};

static char peek(const TextScan &s, size_t ahead = 0)
{
    size_t j = s.at + ahead;
    return j < s.limit ? s.text[j] : '\0';
}

static bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

static bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

static int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

static void skipBlanks(TextScan &s)
{
    while (isBlank(peek(s)))
        s.at++;
}

// Takes word, written in lower case, if the text goes on with it in any case.
static bool takeWord(TextScan &s, const char *word)
{
    size_t n = 0;
    for (; word[n]; n++) {
        char c = peek(s, n);
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != word[n])
            return false;
    }
    s.at += n;
    return true;
}

// Thousandths of a unit: the precision kept of a number in rgb() or hsl().
const int64_t milli = 1000;

// A number as stylesheets write it: a sign, digits and a fraction, or a
// fraction alone; no exponent. Digits past the third decimal are read and
// dropped. The whole part stops growing past any channel's or percentage's
// range, or with a wrap (a hue's 360) is taken modulo it, so that no number
// of digits overflows. Gives the value in thousandths.
static bool takeNumber(TextScan &s, int64_t wrap, int64_t &value)
{
    bool negative = peek(s) == '-';
    if (peek(s) == '+' || peek(s) == '-')
        s.at++;
    int64_t whole = 0, fraction = 0;
    bool wholeDigits = isDigit(peek(s));
    for (; isDigit(peek(s)); s.at++) {
        whole = whole * 10 + (peek(s) - '0');
        whole = wrap ? whole % wrap : whole < 1000000 ? whole : 1000000;
    }
    if (peek(s) == '.') {
        s.at++;
        if (!isDigit(peek(s)))
            return false;
        for (int64_t place = milli / 10; isDigit(peek(s)); s.at++, place /= 10)
            fraction += (peek(s) - '0') * place;
    } else if (!wholeDigits) {
        return false;
    }
    value = (negative ? -1 : 1) * (whole * milli + fraction);
    return true;
}

struct Argument {
    int64_t value;  // thousandths
    bool percent;
};

// The three values inside rgb( or hsl( and an alpha, up to the closing
// parenthesis. Values are separated either by commas, blanks allowed around
// them, with the alpha after a fourth comma, or by blanks alone with the
// alpha after a "/": the two ways stylesheets write them, not mixed. The
// alpha, a number or a percentage, is read and ignored. A hue (the first
// value of hsl) may carry "deg" and is taken modulo 360.
static bool takeArguments(TextScan &s, bool hsl, Argument args[3])
{
    char style = 0;  // ',' or ' ', from the first separator
    skipBlanks(s);
    for (int n = 0; n < 3; n++) {
        if (n > 0) {
            size_t before = s.at;
            skipBlanks(s);
            char separator = peek(s) == ',' ? ',' : s.at > before ? ' ' : 0;
            if (!separator || (style && separator != style))
                return false;
            style = separator;
            if (takeWord(s, ","))
                skipBlanks(s);
        }
        bool hue = hsl && n == 0;
        if (!takeNumber(s, hue ? 360 : 0, args[n].value))
            return false;
        if (hue)
            takeWord(s, "deg");
        args[n].percent = takeWord(s, "%");
    }
    skipBlanks(s);
    if (takeWord(s, style == ',' ? "," : "/")) {
        int64_t alpha;
        skipBlanks(s);
        if (!takeNumber(s, 0, alpha))
            return false;
        takeWord(s, "%");
        skipBlanks(s);
    }
    return takeWord(s, ")");
}

// value / scale clamped to 0..255 and rounded to the nearest, halves up.
static uint32_t channelFrom(int64_t value, int64_t scale)
{
    return (uint32_t)roundedQuotient(std::clamp(value, (int64_t)0, 255 * scale), scale);
}

// rgb(): three numbers 0..255 or three percentages.
static bool takeRgb(TextScan &s, uint32_t &color)
{
    Argument args[3];
    if (!takeArguments(s, false, args))
        return false;
    color = 0;
    for (int n = 0; n < 3; n++) {
        if (args[n].percent != args[0].percent)
            return false;
        uint32_t channel = args[n].percent ? channelFrom(args[n].value * 255, 100 * milli)
                                           : channelFrom(args[n].value, milli);
        color |= channel << 8 * n;
    }
    return true;
}

// hsl(): a hue, then saturation and lightness as percentages, clamped to
// 0..100. The colour is the stylesheet one, worked out in integers (every
// term a multiple of one thousandth) and each channel rounded exactly.
static bool takeHsl(TextScan &s, uint32_t &color)
{
    Argument args[3];
    if (!takeArguments(s, true, args) || args[0].percent || !args[1].percent || !args[2].percent)
        return false;
    const int64_t full = 100 * milli, sixth = 60 * milli, turn = 360 * milli;
    int64_t hue = args[0].value < 0 ? args[0].value + turn : args[0].value;
    int64_t sat = std::clamp(args[1].value, (int64_t)0, full);
    int64_t light = std::clamp(args[2].value, (int64_t)0, full);
    // Each channel ramps between the lowest and the highest level, in
    // units of 1/full²: held high for a third of the wheel, low for a third.
    int64_t top = light <= full / 2 ? light * (full + sat) : (light + sat) * full - light * sat;
    int64_t bottom = 2 * light * full - top;
    color = 0;
    for (int n = 0; n < 3; n++) {
        int64_t h = (hue + (1 - n) * turn / 3 + turn) % turn;  // red leads by a third
        int64_t ramp = h < sixth ? h : h < 3 * sixth ? sixth : h < 4 * sixth ? 4 * sixth - h : 0;
        int64_t level = bottom * sixth + (top - bottom) * ramp;
        color |= (uint32_t)roundedQuotient(level * 255, full * full * sixth) << 8 * n;
    }
    return true;
}

// "#" and three or four hex digits, then the end or any other character:
// the stylesheet shorthand, each digit doubled, a fourth (alpha) ignored.
static bool takeShorthand(TextScan &s, uint32_t &color)
{
    size_t n = 0;
    if (peek(s) != '#')
        return false;
    while (n < 5 && hexDigit(peek(s, 1 + n)) >= 0)
        n++;
    if (n != 3 && n != 4)
        return false;
    color = 0;
    for (size_t i = 0; i < 3; i++)
        color |= (uint32_t)hexDigit(peek(s, 1 + i)) * 0x11 << 8 * i;
    return true;
}

// What stands before the colour does not count towards its six characters:
// leading blanks (already skipped), one sign and one prefix, "0x", "0X" or
// "#", the forms that stylesheets, design tools and source code copy. The
// six characters after them must all be hexadecimal digits up to the
// text's end or the sixth; the rest of a longer text is ignored. The 0 of
// "0x" counts as a digit, so "0x" alone is black; the empty text is black
// too, but blanks, a sign or a "#" with no digit are no colour. A "-"
// negates in 32 bits.
static bool takeHex(TextScan &s, uint32_t &color)
{
    bool negative = peek(s) == '-';
    if (negative || peek(s) == '+')
        s.at++;
    bool anyDigit = !takeWord(s, "#") && takeWord(s, "0x");
    uint32_t v = 0;
    for (size_t n = 0; n < 6 && peek(s, n); n++) {
        int d = hexDigit(peek(s, n));
        if (d < 0)
            return false;
        v = v * 16 + (uint32_t)d;
        anyDigit = true;
    }
    if (!anyDigit && s.at > 0)
        return false;
    if (negative)
        v = 0u - v;
    uint32_t red = (v >> 16) & 0xFF, green = (v >> 8) & 0xFF, blue = v & 0xFF;
    color = red | green << 8 | blue << 16;
    return true;
}

// After leading blanks the text names its form: a function, whatever
// follows its closing parenthesis ignored (as the hexadecimal rule ignores
// what follows its six characters, so "rgb(1, 2, 3);" from a stylesheet
// pastes), the shorthand, or else the hexadecimal number. A text that
// starts with a function's name and is not well formed is no colour.
bool applyColorText(const char *text, size_t limit)
{
    TextScan s = {text, limit, 0};
    uint32_t color = 0;
    skipBlanks(s);
    bool accepted = takeWord(s, "rgb(") || takeWord(s, "rgba(") ? takeRgb(s, color)
                    : takeWord(s, "hsl(") || takeWord(s, "hsla(") ? takeHsl(s, color)
                    : takeShorthand(s, color) || takeHex(s, color);
    if (!accepted)
        return false;
    oldColor = curColor;
    curColor = color;
    return true;
}
