// The colour functions of stylesheets, rgb() to color() and device-cmyk(),
// read from a pasted text the way browsers read them, and hsv() and cmyk()
// of design tools.
#include "colorfunctions.h"
#include "colorspace.h"

#include <algorithm>
#include <cmath>

// Beyond this a number is as good as infinite for a colour; holding every
// value inside it keeps the arithmetic finite (no infinity minus infinity).
const double hugeValue = 1e30;

// 10 to the n >= 0, exact up to 1e22, and no further than 1e300.
static double powerOfTen(int n)
{
    double p = 1;
    for (int i = 0; i < n && p < 1e300; i++)
        p *= 10;
    return p;
}

// A number as stylesheets write it: a sign, digits and a fraction, or a
// fraction alone, and an exponent ("1e2", ".5e1", "5E-1"). Digits past the
// eighteenth are counted, not kept, and the powers of ten stop growing
// at a few ten thousands, so no text overflows them.
static bool takeNumber(TextScan &s, double &value)
{
    bool negative = peek(s) == '-';
    if (peek(s) == '+' || peek(s) == '-')
        s.at++;
    double mantissa = 0;
    int scale = 0, kept = 0;
    bool digits = false;
    for (; isDigit(peek(s)); s.at++, digits = true) {
        if (kept < 18)
            mantissa = mantissa * 10 + (peek(s) - '0'), kept += mantissa > 0;
        else
            scale = std::min(scale + 1, 99999);
    }
    if (peek(s) == '.' && isDigit(peek(s, 1))) {
        for (s.at++; isDigit(peek(s)); s.at++, digits = true)
            if (kept < 18)
                mantissa = mantissa * 10 + (peek(s) - '0'), kept += mantissa > 0,
                scale = std::max(scale - 1, -99999);
    }
    if (!digits)
        return false;
    // Each character ahead is looked at only when the one before it is not
    // the text's end.
    char e = peek(s), after = e == 'e' || e == 'E' ? peek(s, 1) : '\0';
    if (isDigit(after) || ((after == '+' || after == '-') && isDigit(peek(s, 2)))) {
        s.at += isDigit(after) ? 1 : 2;
        int exponent = 0;
        for (; isDigit(peek(s)); s.at++)
            exponent = std::min(exponent * 10 + (peek(s) - '0'), 9999);
        scale += after == '-' ? -exponent : exponent;
    }
    double v = scale < 0 ? mantissa / powerOfTen(-scale) : mantissa * powerOfTen(scale);
    v = std::min(v, hugeValue);
    value = negative ? -v : v;
    return true;
}

// One value inside a colour function.
enum ValueKind { plainNumber, percentage, angle, noneValue };

struct Value {
    double number;  // degrees for an angle; 0 for none
    ValueKind kind;
};

static bool takeValue(TextScan &s, Value &v)
{
    if (takeName(s, "none")) {
        v = {0, noneValue};
        return true;
    }
    if (!takeNumber(s, v.number))
        return false;
    v.kind = plainNumber;
    if (takeWord(s, "%")) {
        v.kind = percentage;
        return true;
    }
    // How many of each unit make a whole turn.
    static const struct {
        const char *unit;
        double turn;
    } units[] = {{"grad", 400}, {"turn", 1}, {"deg", 360}, {"rad", 2 * 3.14159265358979323846}};
    for (const auto &u : units)
        if (takeName(s, u.unit)) {
            v = {v.number * (360 / u.turn), angle};
            return true;
        }
    // A number runs into no letter: "1px" or "2x" is no value of a colour.
    return !isLetter(peek(s)) && peek(s) != '_';
}

// The values of a colour function up to its closing parenthesis: three
// (four in cmyk()), then an alpha that is read and dropped. The modern way
// separates them by blanks, the alpha after a "/"; the legacy way, which
// rgb(), hsl(), hsv() and cmyk() also take, by commas with the alpha after
// one more, and allows no none. Where a stylesheet's tokens touch no blank
// is needed ("10%20%30%", "120deg 50%50%", "10-20"): a value ends where
// its token does, and a number, a unit or none that runs on is no value.
struct Arguments {
    Value v[4];
    bool legacy;
};

static bool takeArguments(TextScan &s, bool legacyAllowed, int count, Arguments &a)
{
    skipBlanks(s);
    if (!takeValue(s, a.v[0]))
        return false;
    skipBlanks(s);
    a.legacy = legacyAllowed && peek(s) == ',';
    for (int n = 1; n < count; n++) {
        skipBlanks(s);
        if (a.legacy && !takeWord(s, ","))
            return false;
        skipBlanks(s);
        if (!takeValue(s, a.v[n]))
            return false;
    }
    skipBlanks(s);
    if (takeWord(s, a.legacy ? "," : "/")) {
        Value alpha;
        skipBlanks(s);
        if (!takeValue(s, alpha) || alpha.kind == angle || (a.legacy && alpha.kind == noneValue))
            return false;
        skipBlanks(s);
    }
    for (int n = 0; n < count; n++)
        if (a.legacy && a.v[n].kind == noneValue)
            return false;
    return takeWord(s, ")");
}

// A value that is not a hue as a number, a percentage scaled so that 100%
// is full; none is 0. An angle is no such value.
static bool scaled(const Value &v, double full, double &out)
{
    out = v.kind == percentage ? v.number * full / 100 : v.number;
    return v.kind != angle;
}

// A hue in degrees, wrapped to 0..360; none is 0, and so is a hue too
// large to hold its place on the wheel, as an infinite one is.
static bool hueOf(const Value &v, double &out)
{
    out = std::fabs(v.number) < hugeValue ? std::fmod(v.number, 360) : 0;
    out += out < 0 ? 360 : 0;
    return v.kind != percentage;
}

static bool takeRgb(TextScan &s, ColorSpace, uint32_t &color)
{
    Arguments a;
    if (!takeArguments(s, true, 3, a))
        return false;
    // The legacy way takes three numbers or three percentages, not both.
    if (a.legacy && (a.v[1].kind != a.v[0].kind || a.v[2].kind != a.v[0].kind))
        return false;
    double c[3];
    for (int n = 0; n < 3; n++)
        if (!scaled(a.v[n], 255, c[n]))
            return false;
        else
            c[n] /= 255;
    color = colorFromSpace(spaceSrgb, c);
    return true;
}

// hsl(), hwb() and hsv() (or hsb(), as design tools write it): a hue and
// two values with 100 as full. The legacy hsl() takes percentages only;
// hsv() numbers or percentages either way. Saturation below 0 is 0.
static bool takeHueSpace(TextScan &s, ColorSpace space, uint32_t &color)
{
    Arguments a;
    if (!takeArguments(s, space != spaceHwb, 3, a))
        return false;
    if (space == spaceHsl && a.legacy && (a.v[1].kind != percentage || a.v[2].kind != percentage))
        return false;
    double c[3];
    if (!hueOf(a.v[0], c[0]) || !scaled(a.v[1], 100, c[1]) || !scaled(a.v[2], 100, c[2]))
        return false;
    c[1] /= 100, c[2] /= 100;
    if (space == spaceHsl)
        c[1] = std::max(c[1], 0.0);
    color = colorFromSpace(space, c);
    return true;
}

// lab(), lch(), oklab() and oklch(): lightness clamped to 0..full, then
// two axes or a chroma (not below 0) and a hue, each with its 100%.
static bool takeLabSpace(TextScan &s, ColorSpace space, uint32_t &color)
{
    Arguments a;
    if (!takeArguments(s, false, 3, a))
        return false;
    bool ok = space == spaceLab || space == spaceLch;
    double full = ok ? 100 : 1, axis = ok ? 125 : 0.4, chroma = ok ? 150 : 0.4;
    bool polar = space == spaceLch || space == spaceOklch;
    double c[3];
    if (!scaled(a.v[0], full, c[0]) || !scaled(a.v[1], polar ? chroma : axis, c[1]) ||
        !(polar ? hueOf(a.v[2], c[2]) : scaled(a.v[2], axis, c[2])))
        return false;
    c[0] = std::clamp(c[0], 0.0, full);
    if (polar)
        c[1] = std::max(c[1], 0.0);
    color = colorFromSpace(space, c);
    return true;
}

// color(): a predefined space's name, then three values with 100% as 1.
static bool takeColorFunction(TextScan &s, ColorSpace, uint32_t &color)
{
    static const struct {
        const char *name;
        ColorSpace space;
    } spaces[] = {
        {"srgb-linear", spaceSrgbLinear}, {"srgb", spaceSrgb}, {"display-p3", spaceDisplayP3},
        {"a98-rgb", spaceA98Rgb}, {"prophoto-rgb", spaceProPhotoRgb}, {"rec2020", spaceRec2020},
        {"xyz-d50", spaceXyzD50}, {"xyz-d65", spaceXyzD65}, {"xyz", spaceXyzD65},
    };
    skipBlanks(s);
    const ColorSpace *space = nullptr;
    for (const auto &sp : spaces)
        if (!space && takeName(s, sp.name))
            space = &sp.space;
    Arguments a;
    if (!space || !takeArguments(s, false, 3, a))
        return false;
    double c[3];
    for (int n = 0; n < 3; n++)
        if (!scaled(a.v[n], 1, c[n]))
            return false;
    color = colorFromSpace(*space, c);
    return true;
}

// Cyan, magenta, yellow and black, each 0..1 (clamped): without a colour
// profile a channel is what its ink and the black leave of the light.
static uint32_t inkColor(double ink[4])
{
    double c[3];
    for (int n = 0; n < 4; n++)
        ink[n] = std::clamp(ink[n], 0.0, 1.0);
    for (int n = 0; n < 3; n++)
        c[n] = (1 - ink[n]) * (1 - ink[3]);
    return colorFromSpace(spaceSrgb, c);
}

// cmyk(), as print layouts and design tools write it: percentages, or
// plain numbers that are fractions of 1, or percentages written without
// "%" where any of them is above 1.
static bool takeCmyk(TextScan &s, ColorSpace, uint32_t &color)
{
    Arguments a;
    double ink[4];
    if (!takeArguments(s, true, 4, a))
        return false;
    bool hundreds = false;
    for (int n = 0; n < 4; n++)
        hundreds = hundreds || (a.v[n].kind == plainNumber && a.v[n].number > 1);
    for (int n = 0; n < 4; n++) {
        if (!scaled(a.v[n], 1, ink[n]))
            return false;
        if (hundreds && a.v[n].kind == plainNumber)
            ink[n] /= 100;
    }
    color = inkColor(ink);
    return true;
}

// device-cmyk() of CSS Color 5: numbers 0 to 1 or percentages, none as 0,
// apart by blanks, an alpha after "/"; or the legacy four numbers apart by
// commas.
static bool takeDeviceCmyk(TextScan &s, ColorSpace, uint32_t &color)
{
    Arguments a;
    double ink[4];
    if (!takeArguments(s, true, 4, a))
        return false;
    for (int n = 0; n < 4; n++)
        if (!scaled(a.v[n], 1, ink[n]) || (a.legacy && a.v[n].kind != plainNumber))
            return false;
    color = inkColor(ink);
    return true;
}

bool takeFunction(TextScan &s, bool &named, uint32_t &color)
{
    static const struct {
        const char *name;
        ColorSpace space;
        bool (*take)(TextScan &, ColorSpace, uint32_t &);
    } functions[] = {
        {"rgb(", spaceSrgb, takeRgb}, {"rgba(", spaceSrgb, takeRgb},
        {"hsl(", spaceHsl, takeHueSpace}, {"hsla(", spaceHsl, takeHueSpace},
        {"hwb(", spaceHwb, takeHueSpace}, {"lab(", spaceLab, takeLabSpace},
        {"lch(", spaceLch, takeLabSpace}, {"oklab(", spaceOklab, takeLabSpace},
        {"oklch(", spaceOklch, takeLabSpace}, {"color(", spaceSrgb, takeColorFunction},
        {"hsv(", spaceHsv, takeHueSpace}, {"hsb(", spaceHsv, takeHueSpace},
        {"cmyk(", spaceSrgb, takeCmyk}, {"device-cmyk(", spaceSrgb, takeDeviceCmyk},
    };
    for (const auto &f : functions)
        if (takeWord(s, f.name)) {
            named = true;
            return f.take(s, f.space, color);
        }
    return false;
}
