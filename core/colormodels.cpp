#include "colormodels.h"
#include "color.h"
#include "colorspace.h"
#include "rounding.h"

#include <algorithm>
#include <cmath>

// 10 to the power of decimals.
static int64_t unitOf(int decimals)
{
    int64_t unit = 1;
    for (int i = 0; i < decimals; i++)
        unit *= 10;
    return unit;
}

Fixed ratio(int64_t n, int64_t d, int decimals)
{
    return {d ? (int32_t)ratioRounded(n * unitOf(decimals), d) : 0, decimals};
}

static Fixed rounded(double v, int decimals)
{
    return {(int32_t)std::llround(v * (double)unitOf(decimals)), decimals};
}

// The chroma and hue of the a and b axes into out[1] and out[2].
static void toPolar(const double lab[3], int decimals, int hueDecimals, Fixed out[3])
{
    out[1] = rounded(std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]), decimals);
    double hue = std::atan2(lab[2], lab[1]) * 180 / 3.14159265358979323846;
    out[2] = rounded(hue < 0 ? hue + 360 : hue, hueDecimals);
    if (out[1].units == 0 || out[2].units >= 360 * unitOf(hueDecimals))
        out[2].units = 0;
}

int modelNumbers(uint32_t color, CopyForm form, Fixed out[4])
{
    int64_t c[3];
    for (int i = 0; i < 3; i++)
        c[i] = channelValue(color, channelMasks[i]);
    int64_t high = std::max({c[0], c[1], c[2]}), low = std::min({c[0], c[1], c[2]});
    int64_t spread = high - low, sum = high + low;
    double lab[3];
    switch (form) {
    case copyHsl:
        out[1] = ratio(spread * 100, sum <= 255 ? sum : 510 - sum, 0);
        out[2] = ratio(sum * 100, 510, 0);
        break;
    case copyHsv:
        out[1] = ratio(spread * 100, high, 0);
        out[2] = ratio(high * 100, 255, 0);
        break;
    case copyHwb:
        out[1] = ratio(low * 100, 255, 1);
        out[2] = ratio((255 - high) * 100, 255, 1);
        break;
    case copyCmyk:
        // Without a colour profile: black takes what the largest channel
        // leaves, each ink the rest of its channel's share.
        for (int i = 0; i < 3; i++)
            out[i] = ratio((high - c[i]) * 100, high, 0);
        out[3] = ratio((255 - high) * 100, 255, 0);
        return 4;
    case copyLab:
    case copyLch:
        labOf(color, lab);
        out[0] = rounded(std::max(lab[0], 0.0), 2);
        if (form == copyLch)
            toPolar(lab, 2, 2, out);
        else
            out[1] = rounded(lab[1], 2), out[2] = rounded(lab[2], 2);
        return 3;
    case copyOklch:
        oklabOf(color, lab);
        out[0] = rounded(std::max(lab[0], 0.0), 5);
        toPolar(lab, 5, 3, out);
        return 3;
    default:
        for (int i = 0; i < 3; i++)
            out[i] = {(int32_t)c[i], 0};
        return 3;
    }
    // Degrees times spread: 60 per sixth of the wheel, from the largest
    // channel. Greys have no hue.
    int64_t hue = high == c[0] ? 60 * (c[1] - c[2])
                  : high == c[1] ? 120 * spread + 60 * (c[2] - c[0])
                                 : 240 * spread + 60 * (c[0] - c[1]);
    int decimals = form == copyHwb;
    out[0] = ratio(hue < 0 ? hue + 360 * spread : hue, spread, decimals);
    out[0].units %= 360 * (int32_t)unitOf(decimals);
    return 3;
}

char *writeFixed(char *out, Fixed f)
{
    uint32_t n = f.units < 0 ? 0u - (uint32_t)f.units : (uint32_t)f.units;
    int decimals = f.decimals;
    for (; decimals > 0 && n % 10 == 0; decimals--)
        n /= 10;
    char digits[12];
    int k = 0;
    do
        digits[k++] = (char)('0' + n % 10), n /= 10;
    while (n || k <= decimals);
    if (f.units < 0)
        *out++ = '-';
    while (k--) {
        *out++ = digits[k];
        if (k == decimals && k)
            *out++ = '.';
    }
    *out = '\0';
    return out;
}
