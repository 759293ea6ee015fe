#include "core/colorfamily.h"
#include "core/colorspace.h"
#include "core/contrastfix.h"
#include "core/variations.h"
#include "core/vision.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// sRGB and WCAG worked out here from their definitions, apart from the code.
double toLinear(uint32_t v)
{
    double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
uint32_t fromLinear(double v)
{
    v = v < 0 ? 0 : v > 1 ? 1 : v;
    double c = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return (uint32_t)std::floor(c * 255 + 0.5);
}
double ratio(uint32_t a, uint32_t b)
{
    auto y = [](uint32_t c) {
        return 0.2126 * toLinear(c & 0xFF) + 0.7152 * toLinear(c >> 8 & 0xFF) +
               0.0722 * toLinear(c >> 16 & 0xFF);
    };
    double ya = y(a) + 0.05, yb = y(b) + 0.05;
    return ya > yb ? ya / yb : yb / ya;
}

// The published matrices (Machado, Oliveira and Fernandes 2009, severity
// 1.0), and the luminance rows of sRGB's primaries.
const double published[4][3][3] = {
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
     {-0.003882, -0.048116, 1.051998}},
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
     {-0.011820, 0.042940, 0.968881}},
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
     {0.004733, 0.691367, 0.303900}},
    {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};

// Each simulation against its matrix, over the primaries (each a column),
// greys, black, white and colours inside and at the edge of sRGB; the
// magnifier's fast path gives the same for every pixel, whose channels lie
// the other way round; a stored filter outside 0 to 4 is normal vision.
TEST(ColorVision, SimulationsFollowThePublishedMatrices)
{
    const uint32_t colors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 0x000000, 0xFFFFFF,
                               0x0080FF, 0x281E0A, 0x00FFFF, 0xC5E07B, 0x3C143C};
    for (int f = 0; f < 4; f++)
        for (uint32_t c : colors) {
            uint32_t want = 0;
            for (int row = 0; row < 3; row++) {
                const double *m = published[f][row];
                double v = m[0] * toLinear(c & 0xFF) + m[1] * toLinear(c >> 8 & 0xFF) +
                           m[2] * toLinear(c >> 16);
                want |= fromLinear(v) << 8 * row;
            }
            EXPECT_EQ(want, simulateVision(c, f + 1)) << "filter " << f + 1 << std::hex << " " << c;
        }
    EXPECT_EQ(0x0080FFu, simulateVision(0x0080FF, visionNormal));
    std::vector<uint32_t> pixels;
    for (uint32_t p = 0; p < 0x1000000; p += 0x010307)
        pixels.push_back(p);
    for (int f = 1; f < visionFilterCount; f++) {
        std::vector<uint32_t> filtered = pixels;
        filterPixels(filtered.data(), (int)filtered.size(), f);
        for (size_t i = 0; i < pixels.size(); i++) {
            uint32_t p = pixels[i], s = simulateVision(p >> 16 | (p & 0xFF00) | (p & 0xFF) << 16, f);
            ASSERT_EQ(s >> 16 | (s & 0xFF00) | (s & 0xFF) << 16, filtered[i]) << std::hex << p;
        }
    }
    EXPECT_EQ(4, visionFilterFromSetting(4));
    EXPECT_EQ(0, visionFilterFromSetting(5));
    EXPECT_EQ(0, visionFilterFromSetting(0xFFFFFFFF));
}

// Tints and shades move the lightness by tenths, turned hues the hue by
// their angle: where sRGB holds the colour it is the OKLCH colour as a
// paste of oklch() reads it; where not, the lightness and the hue stay and
// only the chroma gives way.
TEST(ColorVision, VariationsMoveLightnessOrHueOnly)
{
    const double steps[variationCount][2] = {{.1, 0}, {.2, 0}, {.3, 0}, {.4, 0}, {-.1, 0}, {-.2, 0},
                                            {-.3, 0}, {-.4, 0}, {0, 180}, {0, -30}, {0, 30},
                                            {0, -120}, {0, 120}, {0, -150}, {0, 150}};
    for (uint32_t color : {0x5A6E8Cu, 0x0080FFu, 0xFF0000u, 0x777777u}) {
        double lch[3];
        oklchOf(color, lch);
        uint32_t got[variationCount];
        colorVariations(color, got);
        for (int i = 0; i < variationCount; i++) {
            double want[3] = {lch[0] + steps[i][0], lch[1], lch[2] + steps[i][1]}, was[3];
            want[0] = want[0] < 0 ? 0 : want[0] > 1 ? 1 : want[0];
            oklchOf(got[i], was);
            EXPECT_NEAR(want[0], was[0], 0.006) << i << " of " << std::hex << color;
            EXPECT_LE(was[1], lch[1] + 0.005);
            if (was[1] > 0.03) {
                EXPECT_NEAR(0, std::remainder(want[2] - was[2], 360), 2.5) << i;
            }
            uint32_t plain = colorFromSpace(spaceOklch, want);
            if (std::fabs(was[1] - lch[1]) < 0.002) {
                EXPECT_EQ(plain, got[i]) << i << " of " << std::hex << color;
            }
        }
    }
}

// The fix is the nearest step of the colour's lightness path, up or down
// (up on a tie), whose contrast reaches the level: found here step by step
// with the contrast worked out apart. Black against black, grey against
// white, orange, green against grey, whose way up never passes, a pair that
// passes already, a middle grey that nothing brings to AAA, and a grey as
// many steps from AA up as down.
TEST(ColorVision, ContrastFixIsTheNearestLightnessThatPasses)
{
    const uint32_t pairs[][2] = {{0x000000, 0x000000}, {0x999999, 0xFFFFFF}, {0x0080FF, 0xFFFFFF},
                                 {0x00FF00, 0x808080}, {0xFF0000, 0x000000}, {0x777777, 0x777777},
                                 {0x8C6E5A, 0x3C5A28}, {0x6F6F6F, 0x757575}};
    for (const auto &p : pairs) {
        ContrastFix fix = fixContrast(p[0], p[1]);
        EXPECT_EQ(ratio(p[0], p[1]) >= 4.5, fix.passes);
        double lch[3];
        oklchOf(p[0], lch);
        for (int level = 0; level < 2 && !fix.passes; level++) {
            bool found = false;
            uint32_t want = 0;
            for (int i = 1; i <= 1000 && !found; i++)
                for (int way : {1, -1}) {
                    uint32_t c = colorFromOklch(lch[0] + way * i * fixStep, lch[1], lch[2]);
                    if (!found && ratio(c, p[1]) >= (level ? 7 : 4.5))
                        found = true, want = c;
                }
            EXPECT_EQ(found, fix.found[level]) << std::hex << p[0] << " level " << level;
            if (found) {
                EXPECT_EQ(want, fix.colors[level]) << std::hex << p[0] << " level " << level;
            }
        }
    }
}

// The family's boundaries of lightness, chroma and hue: the word, whether
// greyish, and the tone.
TEST(ColorVision, FamilyInWords)
{
    const struct { uint32_t color; FamilyWord word; bool greyish; FamilyTone tone; } cases[] = {
        {0x0080FF, familyOrange, false, toneNone}, {0x908070, familyBlue, true, toneNone},
        {0x00008B, familyRed, false, toneDark},    {0x13458B, familyBrown, false, toneNone},
        {0x008080, familyOlive, false, toneNone},  {0xB469FF, familyPink, false, toneNone},
        {0x800080, familyPurple, false, toneNone}, {0xEBCE87, familyBlue, false, toneLight},
        {0x281E0A, familyBlue, true, toneDark},    {0x050514, familyBlack, false, toneNone},
        {0x404040, familyDarkGrey, false, toneNone}, {0xC0C0C0, familyLightGrey, false, toneNone},
        {0xFAFAFA, familyWhite, false, toneNone},  {0x00FFFF, familyYellow, false, toneNone},
        {0xFF8000, familyBlue, false, toneNone},   {0x646400, familyCyan, false, toneDark},
        {0xCCE5FF, familyOrange, true, toneLight}, {0x8C8CA0, familyRed, true, toneNone}};
    for (const auto &c : cases) {
        ColorFamily got = colorFamily(c.color);
        EXPECT_EQ(c.word, got.word) << std::hex << c.color;
        EXPECT_EQ(c.greyish, got.greyish) << std::hex << c.color;
        EXPECT_EQ(c.tone, got.tone) << std::hex << c.color;
    }
}

}  // namespace
