#include "core/color.h"
#include "core/colorparse.h"
#include "core/colornames.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/contrast.h"
#include "core/contrastfix.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TINCTORA_SANITIZED
#endif
#endif

namespace {

#ifdef TINCTORA_SANITIZED
const bool sanitized = true;
#else
const bool sanitized = false;
#endif

uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

TEST(ColorTextTest, DecimalAndHexFormsOfAColour)
{
    curColor = rgb(255, 128, 0);
    refreshColorTexts();
    EXPECT_STREQ("255", channelDecimal[redIndex]);
    EXPECT_STREQ("128", channelDecimal[greenIndex]);
    EXPECT_STREQ("000", channelDecimal[blueIndex]);
    EXPECT_STREQ("FF8000", colorHex);
    char pair[4];
    EXPECT_STREQ("FF", formatChannelHex(redIndex, pair));
    EXPECT_STREQ("80", formatChannelHex(greenIndex, pair));
    EXPECT_STREQ("00", formatChannelHex(blueIndex, pair));

    curColor = 0xFF000000 | rgb(10, 7, 255);  // the top byte never reaches a text
    refreshColorTexts();
    EXPECT_STREQ("010", channelDecimal[redIndex]);
    EXPECT_STREQ("007", channelDecimal[greenIndex]);
    EXPECT_STREQ("255", channelDecimal[blueIndex]);
    EXPECT_STREQ("0A07FF", colorHex);
    EXPECT_STREQ("0A", formatChannelHex(redIndex, pair));
}

TEST(ColorTextTest, EveryChannelValueFormatsToFixedWidth)
{
    for (uint32_t v = 0; v < 256; v++) {
        curColor = rgb(v, 255 - v, v ^ 0x5A);
        refreshColorTexts();
        char want[8];
        snprintf(want, sizeof want, "%03u", v);
        ASSERT_STREQ(want, channelDecimal[redIndex]);
        snprintf(want, sizeof want, "%02X%02X%02X", v, 255 - v, v ^ 0x5A);
        ASSERT_STREQ(want, colorHex);
        ASSERT_EQ(6u, strlen(colorHex));
    }
}

struct PasteCase {
    const char *text;
    bool accepted;
    uint32_t color;  // the colour after an accepted paste
};

TEST(ColorTextTest, PasteParseRule)
{
    const PasteCase cases[] = {
        {"FF8000", true, rgb(255, 128, 0)},
        {"ff8000", true, rgb(255, 128, 0)},
        {"FF8000 and more", true, rgb(255, 128, 0)},
        {"#FF8000", true, rgb(255, 128, 0)},
        {"0xFF8000", true, rgb(255, 128, 0)},
        {" FF8000", true, rgb(255, 128, 0)},
        {"#12ab3c", true, rgb(0x12, 0xAB, 0x3C)},
        {"-#000001", true, rgb(255, 255, 255)},
        {" \t+0X12345678", true, rgb(0x12, 0x34, 0x56)},  // six digits after the prefix
        {"##12", false, 0},
        {"0x#1", false, 0},
        {"#", false, 0},
        {"# 1", false, 0},
        {" FF80", true, rgb(0, 255, 128)},
        {"FF", true, rgb(0, 0, 255)},
        {"12 34", false, 0},
        {"   ", false, 0},
        {"+", false, 0},
        {"-", false, 0},
        {" \t-", false, 0},
        {"", true, 0},
        {"0x", true, 0},
        {"0X", true, 0},
        {"0x1F", true, rgb(0, 0, 31)},
        {"+0x1F", true, rgb(0, 0, 31)},
        {"-1", true, rgb(255, 255, 255)},
        {"-0x10", true, rgb(255, 255, 240)},
        {"\t\n\v\f\r1", true, rgb(0, 0, 1)},
        {"0xg", false, 0},
        {"x1", false, 0},
        {"--1", false, 0},
        {"1234567", true, rgb(0x12, 0x34, 0x56)},  // the seventh character is ignored
        {"0x12345", true, rgb(0x01, 0x23, 0x45)},
        {"FF800G", false, 0},
        {"FF80\n", false, 0},
        {"\xff", false, 0},
        // The stylesheet shorthand: "#" right after the blanks, three or four digits.
        {"#F80", true, rgb(255, 136, 0)}, {" #f80c", true, rgb(255, 136, 0)},
        {"#F80 x", true, rgb(255, 136, 0)}, {"#F80C1", true, rgb(0x0F, 0x80, 0xC1)},
        {"-#F80", true, rgb(255, 240, 128)}, {"#F8", true, rgb(0, 0, 0xF8)},
        {"+#F80", true, rgb(0, 0x0F, 0x80)}, {"#F80G", true, rgb(255, 136, 0)},
        {"0xF80", true, rgb(0, 0x0F, 0x80)},
        // rgb() and hsl(): commas or blanks, alpha, percentages, rounding and clamping.
        {"rgb(10, 30, 40)", true, rgb(10, 30, 40)}, {" RGBA(10 30\t40 / 50%);", true, rgb(10, 30, 40)},
        {"rgba(10 ,30,40, .5)", true, rgb(10, 30, 40)}, {"rgb(100%, 50%, 0.59%)", true, rgb(255, 128, 2)},
        {"rgb(0.5, 254.5, 1.4999)", true, rgb(1, 255, 1)}, {"rgb(-5 300 +.5)", true, rgb(0, 255, 1)},
        {"rgb(200%, -1%, 99999999999999999999%)", true, rgb(255, 0, 255)},
        {"hsl(200, 60%, 10%)", true, rgb(10, 31, 41)}, {"hsl(-160deg 60% 10% / 1)", true, rgb(10, 31, 41)},
        {"HSLA(560DEG, 60%, 10%, 0.5)", true, rgb(10, 31, 41)},
        {"hsl(-10000000000000000000000 60% 10%)", true, rgb(31, 41, 10)},  // -1e22 is -280 on the wheel
        {"hsl(30, 100%, 50%)", true, rgb(255, 128, 0)}, {"hsl(120 200% 50%)", true, rgb(0, 255, 0)},
        {"hsl(240, 100%, -5%)", true, 0},
        // A function's name, then no well-formed rest: no colour.
        {"rgb(1,2)", false, 0}, {"rgb(1,2,3", false, 0}, {"rgb(1%,2,3)", false, 0}, {"rgb(a,b,c)", false, 0},
        {"hsl(10,20,30)", false, 0}, {"hsl(10%,20%,30%)", false, 0}, {"rgb(1 2,3)", false, 0},
        {"rgb(1,2,3 / 1)", false, 0}, {"rgb(1 2 3, 1)", false, 0}, {"rgb (1,2,3)", false, 0},
        {"rgb(1.,2,3)", false, 0}, {"rgb(1e,2,3)", false, 0}, {"rgb(1,2,3,)", false, 0},
        {"hsl(1px 2% 3%)", false, 0}, {"rgb(1deg,2,3)", false, 0},
        // As browsers compute them: the web-platform-tests' css-color parsing
        // and reference tests, and the examples of CSS Color 4.
        {"rebeccapurple", true, rgb(102, 51, 153)}, {" DarkOrange;", true, rgb(255, 140, 0)},
        {"grey", true, rgb(128, 128, 128)}, {"LightGoldenrodYellow, x", true, rgb(250, 250, 210)},
        {"CyAn", true, rgb(0, 255, 255)}, {"transparent", false, 0}, {"currentColor", false, 0},
        {"red5", false, 0}, {"rgb(none none none)", true, 0}, {"rgb(20% none none)", true, rgb(51, 0, 0)},
        {"rgb(-20% 20% 40%)", true, rgb(0, 51, 102)}, {"rgba(250% 20% 40% / .5)", true, rgb(255, 51, 102)},
        {"hsl(120 30% 50%)", true, rgb(89, 166, 89)}, {"hsl(120 30 50 / 0.5)", true, rgb(89, 166, 89)},
        {"hsl(10 100% 50%)", true, rgb(255, 43, 0)}, {"hsl(0 0% 49.99999%)", true, rgb(127, 127, 127)},
        {"hsl(0 0% 49.999999%)", true, rgb(128, 128, 128)}, {"hsl(30 -50 60)", true, rgb(153, 153, 153)},
        {"hwb(120 30% 50%)", true, rgb(77, 128, 77)}, {"hwb(320deg 30% 40%)", true, rgb(153, 77, 128)},
        {"hwb(0 20% 100%)", true, rgb(43, 43, 43)}, {"hwb(120 30 50%)", true, rgb(77, 128, 77)},
        {"hwb(0 100% 50% / 0)", true, rgb(170, 170, 170)}, {"hwb(120 0% 49.8039%)", true, rgb(0, 128, 0)},
        {"lab(46.2775% -47.5621 48.5837)", true, rgb(0, 128, 0)},
        {"lch(46.2775% 67.9892 134.3912)", true, rgb(0, 128, 0)},
        {"oklab(51.975% -0.1403 0.10768)", true, rgb(0, 128, 0)},
        {"oklch(51.975% 0.17686 142.495)", true, rgb(0, 128, 0)},
        {"color(display-p3 0.21604 0.49418 0.13151)", true, rgb(0, 128, 0)},
        {"color(srgb-linear 0 0.21586 0)", true, rgb(0, 128, 0)},
        {"color(a98-rgb 0.281363 0.498012 0.116746)", true, rgb(0, 128, 0)},
        {"lab(29.2345% 39.3825 20.0664)", true, rgb(0x7D, 0x23, 0x29)},
        {"lch(52.2345% 72.2 56.2)", true, rgb(0xC6, 0x5D, 0x06)},
        {"oklch(40.101% 0.12332 21.555)", true, rgb(0x7D, 0x23, 0x29)},
        {"oklch(59.686% 0.15619 49.7694)", true, rgb(0xC6, 0x5D, 0x06)},
        {"hsl(0.5turn 100% 50%)", true, rgb(0, 255, 255)}, {"rgb(1e2, 0, 0)", true, rgb(100, 0, 0)},
        {"rgb(none, 0, 0)", false, 0}, {"rgb(10%, 50%, 0)", false, 0}, {"hwb(120, 30%, 50%)", false, 0},
        {"lab(50%, 20, 30)", false, 0}, {"lab(1 2 3deg)", false, 0}, {"color(srgb, 1, 0, 0)", false, 0},
        {"color(rgb 1 0 0)", false, 0}, {"lch(1 2 3%)", false, 0}, {"rgb(1 2)", false, 0},
        // What a copied line holds around a colour: declarations, quotes and
        // attributes, three channels, the readout's pairs, a web page's blanks.
        {"color: #ff8000;", true, rgb(255, 128, 0)}, {"color:#F80 ; x", true, rgb(255, 136, 0)},
        {"background-color: rgb(255 128 0) !important;", true, rgb(255, 128, 0)},
        {"--accent: oklch(0.7 0.15 30);", true, rgb(237, 118, 101)}, {"tan : red", true, rgb(255, 0, 0)},
        {"\"#ff8000\"", true, rgb(255, 128, 0)}, {" 'rebeccapurple',", true, rgb(102, 51, 153)},
        {"fill=\"#ff8000\" />", true, rgb(255, 128, 0)}, {"android:color = `#FF8000cc`", true, rgb(255, 128, 0)},
        {"255, 128, 0", true, rgb(255, 128, 0)}, {"255 128\t0\n", true, rgb(255, 128, 0)},
        {"12,34 ,056", true, rgb(12, 34, 56)}, {"FF 80 00", true, rgb(255, 128, 0)},
        {"12 34 56", true, rgb(12, 34, 56)}, {"\xA0#ff8000", true, rgb(255, 128, 0)},
        {"\xA0" "0A 1b 2C\xA0", true, rgb(10, 27, 44)}, {"color: ;", false, 0},
        {"color: red5;", false, 0}, {"color: #ff80001", false, 0}, {"256, 0, 0", false, 0},
        {"255,,128,0", false, 0}, {"FF  80 00", false, 0}, {"'red\"", false, 0},
        // Tokens that touch: a percentage, a unit or none ends where the next
        // value begins, a number before a sign; what runs on is no value.
        {"rgb(10%20%30%)", true, rgb(0x1A, 0x33, 0x4D)}, {"hsl(120deg 50%50%)", true, rgb(0x40, 0xBF, 0x40)},
        {"rgb(10-20 30)", true, rgb(10, 0, 30)}, {"color(srgb.5 1 0)", true, rgb(128, 255, 0)},
        {"hsl(120deg50% 50% 50%)", false, 0}, {"rgb(10 20 30-)", false, 0}, {"rgb(10%20%,30%)", false, 0},
        // hsv(), hsb() and cmyk() of design tools, with or without "%".
        {"hsv(360, 100%, 100%)", true, rgb(255, 0, 0)}, {"hsb(30 100 100)", true, rgb(255, 128, 0)},
        {"HSV(200deg, 75, 16%)", true, rgb(10, 31, 41)}, {"cmyk(0, 0.5, 1, 0)", true, rgb(255, 128, 0)},
        {"cmyk(0% 50% 100% 50% / 1);", true, rgb(128, 64, 0)}, {"cmyk(75%, 25%, 0%, 84%)", true, rgb(10, 31, 41)},
        {"hsv(30, 100%)", false, 0}, {"hsb(30, 100 100)", false, 0}, {"cmyk(0 0 0)", false, 0},
        {"cmyk(0, 0, 0 0)", false, 0}, {"cmyk(1deg 0 0 0)", false, 0}, {"hsv(none, 1%, 1%)", false, 0},
        // Plain numbers of cmyk() above 1 are percentages; device-cmyk() as CSS has it.
        {"cmyk(75, 25, 0.5, 84)", true, rgb(10, 31, 41)}, {"cmyk(0 50 100 0)", true, rgb(255, 128, 0)},
        {"device-cmyk(0 0.5 1 0)", true, rgb(255, 128, 0)}, {"device-cmyk(75% .25 none 84% / 0.5)", true, rgb(10, 31, 41)},
        {"device-cmyk(0, 0.5, 1, 0.5)", true, rgb(128, 64, 0)}, {"device-cmyk(0 50 1 0)", true, rgb(255, 0, 0)},
        {"device-cmyk(0, 50%, 1, 0)", false, 0},
    };
    for (const PasteCase &c : cases) {
        uint32_t color = rgb(1, 2, 3);
        EXPECT_EQ(c.accepted, readColorText(c.text, SIZE_MAX, color)) << "text '" << c.text << "'";
        EXPECT_EQ(c.accepted ? c.color : rgb(1, 2, 3), color) << "text '" << c.text << "'";
    }
    // A clipboard block need not end in a zero byte: nothing past it is read.
    const char unterminated[] = {'#', 'F', 'F', '8', '0', '0', '0'};
    uint32_t color = 0;
    EXPECT_TRUE(readColorText(unterminated, 4, color));
    EXPECT_EQ(rgb(0xFF, 0xFF, 0x88), color);  // "#FF8", the shorthand
    EXPECT_FALSE(readColorText("rgb(1,2,3)", 9, color));
}

TEST(ColorTextTest, EveryCopyFormOfAColour)
{
    const struct {
        uint32_t color;
        const char *text[copyOklch];
    } cases[] = {
        {rgb(10, 30, 40), {"0A1E28", "#0A1E28", "rgb(10, 30, 40)", "hsl(200, 60%, 10%)"}},
        {0, {"000000", "#000000", "rgb(0, 0, 0)", "hsl(0, 0%, 0%)"}},
        {0xFFFFFFFF, {"FFFFFF", "#FFFFFF", "rgb(255, 255, 255)", "hsl(0, 0%, 100%)"}},
        {rgb(128, 128, 128), {"808080", "#808080", "rgb(128, 128, 128)", "hsl(0, 0%, 50%)"}},
        {rgb(255, 0, 0), {"FF0000", "#FF0000", "rgb(255, 0, 0)", "hsl(0, 100%, 50%)"}},
        {rgb(0, 255, 0), {"00FF00", "#00FF00", "rgb(0, 255, 0)", "hsl(120, 100%, 50%)"}},
        {rgb(0, 0, 255), {"0000FF", "#0000FF", "rgb(0, 0, 255)", "hsl(240, 100%, 50%)"}},
        {rgb(255, 0, 2), {"FF0002", "#FF0002", "rgb(255, 0, 2)", "hsl(0, 100%, 50%)"}},  // 359.53
        {rgb(255, 0, 3), {"FF0003", "#FF0003", "rgb(255, 0, 3)", "hsl(359, 100%, 50%)"}},
        {rgb(120, 1, 0), {"780100", "#780100", "rgb(120, 1, 0)", "hsl(1, 100%, 24%)"}},  // hue 0.5
        {rgb(13, 3, 3), {"0D0303", "#0D0303", "rgb(13, 3, 3)", "hsl(0, 63%, 3%)"}},      // 62.5 %
    };
    char text[40];
    for (const auto &c : cases)
        for (int form = 0; form < copyOklch; form++)
            EXPECT_STREQ(c.text[form], formatColorText(c.color, (CopyForm)form, text, sizeof text));
    // hsv(), hwb(), lab(), lch() and cmyk(), as CSS Color 4's formulas give
    // them, worked out apart: greys, a hue that rounds to 360, an axis and a
    // hue that round to 0 from below (615300, 300718), blue's b below -100.
    const struct {
        uint32_t color;
        const char *text[5];
    } newer[] = {
        {rgb(255, 128, 0), {"hsv(30, 100%, 100%)", "hwb(30.1 0% 0%)", "lab(67.82 45.49 74.84)",
                            "lch(67.82 87.58 58.71)", "cmyk(0%, 50%, 100%, 0%)"}},
        {0, {"hsv(0, 0%, 0%)", "hwb(0 0% 100%)", "lab(0 0 0)", "lch(0 0 0)", "cmyk(0%, 0%, 0%, 100%)"}},
        {0xFFFFFFFF, {"hsv(0, 0%, 100%)", "hwb(0 100% 0%)", "lab(100 0 0)", "lch(100 0 0)",
                      "cmyk(0%, 0%, 0%, 0%)"}},
        {rgb(128, 128, 128), {"hsv(0, 0%, 50%)", "hwb(0 50.2% 49.8%)", "lab(53.59 0 0)", "lch(53.59 0 0)",
                              "cmyk(0%, 0%, 0%, 50%)"}},
        {rgb(255, 0, 2), {"hsv(0, 100%, 100%)", "hwb(359.5 0% 0%)", "lab(54.29 80.81 69.37)",
                          "lch(54.29 106.5 40.64)", "cmyk(0%, 100%, 99%, 0%)"}},
        {rgb(0x61, 0x53, 0), {"hsv(51, 100%, 38%)", "hwb(51.3 0% 62%)", "lab(35.71 0 43.13)",
                              "lch(35.71 43.13 90)", "cmyk(0%, 14%, 100%, 62%)"}},
        {rgb(0x30, 7, 0x18), {"hsv(335, 85%, 19%)", "hwb(335.1 2.7% 81.2%)", "lab(7.82 22.2 0)",
                              "lch(7.82 22.2 0)", "cmyk(0%, 85%, 50%, 81%)"}},
        {rgb(0, 0, 255), {"hsv(240, 100%, 100%)", "hwb(240 0% 0%)", "lab(29.57 68.29 -112.03)",
                          "lch(29.57 131.2 301.36)", "cmyk(100%, 100%, 0%, 0%)"}},
    };
    for (const auto &c : newer)
        for (int form = copyHsv; form < copyFormCount; form++)
            EXPECT_STREQ(c.text[form - copyHsv], formatColorText(c.color, (CopyForm)form, text, sizeof text));
    EXPECT_EQ(copyCmyk, copyFormFromSetting(copyCmyk));
    EXPECT_EQ(copyHex, copyFormFromSetting(copyFormCount));
    // oklch(): CSS Color 4's coordinates of sRGB red and of the greys.
    EXPECT_STREQ("oklch(0.62796 0.25768 29.234)", formatColorText(rgb(255, 0, 0), copyOklch, text, sizeof text));
    EXPECT_STREQ("oklch(1 0 0)", formatColorText(0xFFFFFF, copyOklch, text, sizeof text));
    EXPECT_STREQ("oklch(0 0 0)", formatColorText(0, copyOklch, text, sizeof text));
}

// rgb(), the CSS forms and the hex forms give the colour back exactly.
// Whole degrees and percent cannot: up to 5 units are lost from hsl()
// (02E4E6 is such a colour), 3 from hsv(), 2 from cmyk().
TEST(ColorTextTest, CopiedFormsPasteBack)
{
    char text[40];
    for (uint32_t color = 0; color < 0x1000000; color += 251) {
        for (int form = 0; form < copyFormCount; form++) {
            formatColorText(color | 0xAB000000, (CopyForm)form, text, sizeof text);
            uint32_t read;
            ASSERT_TRUE(readColorText(text, SIZE_MAX, read)) << text;
            for (uint32_t mask : {redMask, greenMask, blueMask}) {
                int error = (int)channelValue(read, mask) - (int)channelValue(color, mask);
                ASSERT_LE(abs(error), form == copyHsl ? 5 : form == copyHsv ? 3 : form == copyCmyk ? 2 : 0)
                    << text;
            }
        }
    }
}

// Each of the 16,777,216 colours, copied as oklch(), hwb(), lab() or lch(),
// pastes back as itself, and no number is 360 or more: no hue rounded up to
// 360 (under the sanitizers, which are slow, every 97th colour).
class EveryColourPastesBack : public ::testing::TestWithParam<CopyForm> {};

TEST_P(EveryColourPastesBack, FromItsCssForm)
{
    const uint32_t step = sanitized ? 97 : 1;
    char text[40], *at;
    for (uint32_t color = 0; color < 0x1000000; color += step) {
        uint32_t read = ~color;
        formatColorText(color, GetParam(), text, sizeof text);
        ASSERT_TRUE(readColorText(text, SIZE_MAX, read) && read == color) << text;
        for (at = text; (at = strpbrk(at, "0123456789"));)
            ASSERT_LT(strtod(at, &at), 360) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(ColorTextTest, EveryColourPastesBack,
                         ::testing::Values(copyOklch, copyHwb, copyLab, copyLch),
                         [](const auto &form) { return std::string(copyFormNames[form.param]); });

// The copy template: every placeholder, escaped braces, anything else as
// written; a copy longer than its template; no template, no form.
TEST(ColorTextTest, CopyTemplatePlaceholders)
{
    const struct {
        uint32_t color;
        const char *text, *copy;
    } cases[] = {
        {rgb(255, 128, 0), "Color(0xFF{RR}{GG}{BB})", "Color(0xFFFF8000)"},
        {rgb(255, 128, 0), "UIColor(red: {Rf}, green: {Gf}, blue: {Bf}, alpha: 1)",
         "UIColor(red: 1, green: 0.502, blue: 0, alpha: 1)"},
        {rgb(51, 102, 153), "{Rf} {Gf} {Bf}", "0.2 0.4 0.6"},  // no trailing zeros
        {rgb(10, 30, 40), "new Color32({R}, {G}, {B}, 255) #{rr}{gg}{bb} {H} {S} {L} {Rf}",
         "new Color32(10, 30, 40, 255) #0a1e28 200 60 10 0.039"},
        {rgb(255, 128, 0), "{name}: {{R}} {Q} {r} { }{ {RR", "dark orange: {R} {Q} {r} { }{ {RR"},
        {rgb(1, 2, 3), "\xE9{G}}", "\xE9" "2}"},
        // The numbers of the newer forms, as those write them (above).
        {rgb(255, 128, 0), "{H} {Sv} {V} {W} {Bk} {C} {M} {Y} {K} {int} {colorref}",
         "30 100 100 0 0 0 50 100 0 16744448 33023"},
        {rgb(10, 30, 40), "{Sv} {V} {C} {M} {Y} {K}", "75 16 75 25 0 84"},
        {rgb(10, 30, 40), "{labL} {labA} {labB}|{lchL} {lchC} {lchH}|{W}{Bk}",
         "10.01 -5.44 -9.4|10.01 10.86 239.93|3.984.3"},
        {rgb(255, 0, 0), "{okL} {okC} {okH}", "0.62796 0.25768 29.234"},
    };
    char text[copyTextSize];
    for (const auto &c : cases)
        EXPECT_STREQ(c.copy, formatTemplateText(c.color, c.text, text, sizeof text));
    std::string names;
    while (names.size() + 6 <= copyTemplateMax)
        names += "{name}";
    names += "{nam";
    strcpy(copyTemplate, names.c_str());
    copyForm = copyFormFromSetting(copyCustom);
    curColor = rgb(250, 250, 210);
    EXPECT_EQ(16 * strlen("light goldenrod yellow") + 4, strlen(formatCopyText()));
    copyTemplate[0] = '\0';
    EXPECT_EQ(copyHex, copyFormFromSetting(copyCustom));
    copyForm = copyHex;
}

TEST(ColorTextTest, ContrastOfThePair)
{
    char text[48];
    EXPECT_STREQ("21.00:1, AAA", formatContrast(0, 0xFFFFFF, text, sizeof text));
    EXPECT_STREQ("#767676 and #FFFFFF: contrast 4.54:1, AA",
                 formatContrastReport(0x767676, 0xFFFFFF, text, sizeof text));
    EXPECT_STREQ("4.47:1, AA large", formatContrast(0xFFFFFF, 0x777777, text, sizeof text));
    EXPECT_STREQ("1.00:1, fails", formatContrast(0x123456, 0xFF123456, text, sizeof text));
    // Exactly 6.99999999993, 4.49999999991 and 2.99999999915: a hair below each threshold.
    EXPECT_STREQ("6.99:1, AA", formatContrast(0x58A6DA, 0x880203, text, sizeof text));
    EXPECT_STREQ("4.49:1, AA large", formatContrast(0x6DF941, 0x7E6631, text, sizeof text));
    EXPECT_STREQ("2.99:1, fails", formatContrast(0x98A407, 0xE00338, text, sizeof text));
}

TEST(ColorTextTest, NearestNamedColour)
{
    const struct {
        uint32_t color;
        const char *name;
    } cases[] = {
        {rgb(102, 51, 153), "rebecca purple"}, {rgb(0, 255, 255), "aqua"},  // before cyan
        {rgb(128, 128, 128), "gray"}, {rgb(255, 128, 0), "near dark orange"},
        {rgb(254, 0, 0), "near red"}, {0xFF010101, "near black"},
    };
    char name[40];
    for (const auto &c : cases)
        EXPECT_STREQ(c.name, formatColorName(c.color, name, sizeof name));
}

TEST(ColorTextTest, CopyThenPasteGivesTheColour)
{
    curColor = rgb(18, 52, 86);
    refreshColorTexts();
    char copied[7];
    memcpy(copied, colorHex, sizeof copied);
    uint32_t color = 0;
    EXPECT_TRUE(readColorText(copied, SIZE_MAX, color));
    EXPECT_EQ(rgb(18, 52, 86), color);
}

}  // namespace
