#include "colorspace.h"
#include "color.h"

#include <algorithm>
#include <cmath>

typedef double Matrix[3][3];

static void multiply(const Matrix m, double v[3])
{
    double r[3];
    for (int i = 0; i < 3; i++)
        r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    std::copy(r, r + 3, v);
}

static const double pi = 3.14159265358979323846;

// Linear-light rgb spaces to CIE XYZ, each relative to its own white.
static const Matrix srgbToXyz = {
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}};
static const Matrix xyzToSrgb = {
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}};
static const Matrix p3ToXyz = {
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0, 32229.0 / 714400, 5220557.0 / 5000800}};
static const Matrix a98ToXyz = {
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835}};
static const Matrix rec2020ToXyz = {
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0, 19567812.0 / 697040785, 295819943.0 / 278816314}};
static const Matrix proPhotoToXyzD50 = {
    {0.7977666449006423, 0.13518129740053308, 0.0313477341283922},
    {0.2880748288194013, 0.711835234241873, 0.00008993693872564},
    {0, 0, 0.8251046025104602}};
// Bradford chromatic adaptation, D50 to D65 and back.
static const Matrix d50ToD65 = {
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124}};
static const Matrix d65ToD50 = {
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}};
// CIE Lab's white, D50, and the constants of its curve.
static const double d50White[3] = {0.3457 / 0.3585, 1, (1 - 0.3457 - 0.3585) / 0.3585};
static const double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
// Oklab: XYZ (D65) to cone responses, their cube roots to L, a, b, and back.
static const Matrix xyzToLms = {
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}};
static const Matrix lmsToOklab = {
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757660377118}};
static const Matrix oklabToLms = {
    {1, 0.3963377773761749, 0.2158037573099136},
    {1, -0.1055613458156586, -0.0638541728258133},
    {1, -0.0894841775298119, -1.2914855480194092}};
static const Matrix lmsToXyz = {
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}};

// The transfer curves, each odd about 0 so that negative components of a
// wide-gamut colour stay meaningful. Powers go through exp and log: the C
// runtime's own, where mingw's pow would add kilobytes to the exe.
static double signedPow(double v, double p)
{
    return v == 0 ? 0 : std::copysign(std::exp(p * std::log(std::fabs(v))), v);
}

static double srgbToLinear(double v)
{
    double a = std::fabs(v);
    return a <= 0.04045 ? v / 12.92 : signedPow(std::copysign((a + 0.055) / 1.055, v), 2.4);
}

static double linearToSrgb(double v)
{
    return std::fabs(v) <= 0.0031308 ? v * 12.92
                                      : std::copysign(1.055 * signedPow(std::fabs(v), 1 / 2.4) - 0.055, v);
}

static double proPhotoToLinear(double v)
{
    return std::fabs(v) <= 16.0 / 512 ? v / 16 : signedPow(v, 1.8);
}

static double a98ToLinear(double v)
{
    return signedPow(v, 563.0 / 256);
}

static double rec2020ToLinear(double v)
{
    const double alpha = 1.09929682680944, beta = 0.018053968510807;
    double a = std::fabs(v);
    return a < beta * 4.5 ? v / 4.5 : signedPow(std::copysign((a + alpha - 1) / alpha, v), 1 / 0.45);
}

// An rgb space's gamma-encoded components to XYZ relative to its white.
static void toXyz(double (*toLinear)(double), const Matrix m, double v[3])
{
    for (int i = 0; i < 3; i++)
        v[i] = toLinear(v[i]);
    multiply(m, v);
}

// hsl with a hue in degrees and fractions, to gamma-encoded sRGB.
static void hslToSrgb(double hue, double sat, double light, double rgb[3])
{
    const int n[3] = {0, 8, 4};
    for (int i = 0; i < 3; i++) {
        double k = std::fmod(n[i] + hue / 30, 12);
        double a = sat * std::min(light, 1 - light);
        rgb[i] = light - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    }
}

static void labToXyzD50(const double lab[3], double xyz[3])
{
    double f1 = (lab[0] + 16) / 116, f0 = lab[1] / 500 + f1, f2 = f1 - lab[2] / 200;
    double f[3] = {f0, f1, f2};
    for (int i = 0; i < 3; i++) {
        double cube = f[i] * f[i] * f[i];
        bool curve = i == 1 ? lab[0] > kappa * epsilon : cube > epsilon;
        xyz[i] = d50White[i] * (curve ? cube : i == 1 ? lab[0] / kappa : (116 * f[i] - 16) / kappa);
    }
}

// Polar lightness, chroma and hue in degrees to the rectangular form.
static void fromPolar(const double lch[3], double out[3])
{
    double h = lch[2] * pi / 180;
    out[0] = lch[0];
    out[1] = lch[1] * std::cos(h);
    out[2] = lch[1] * std::sin(h);
}

uint32_t channelFromUnit(double v)
{
    // Within a part in ten million of a half counts as the half: single
    // precision, which browsers compute in, rounds such a value up.
    double scaled = std::clamp(v, 0.0, 1.0) * 255 + 0.5 + 1e-5;
    return (uint32_t)std::floor(scaled);
}

// Gamma-encoded sRGB 0..1 as a colour.
static uint32_t colorFromUnits(const double rgb[3])
{
    uint32_t color = 0;
    for (int i = 0; i < 3; i++)
        color |= channelFromUnit(rgb[i]) << 8 * i;
    return color;
}

uint32_t colorFromSpace(ColorSpace space, const double c[3])
{
    double v[3] = {c[0], c[1], c[2]};
    bool encoded = false;  // v holds gamma-encoded sRGB, else linear sRGB
    switch (space) {
    case spaceSrgb: encoded = true; break;
    case spaceSrgbLinear: break;
    case spaceHsl: hslToSrgb(v[0], v[1], v[2], v), encoded = true; break;
    case spaceHsv: {
        // Value and saturation as whiteness and blackness.
        double sat = std::clamp(v[1], 0.0, 1.0), value = std::clamp(v[2], 0.0, 1.0);
        v[1] = (1 - sat) * value, v[2] = 1 - value;
    }
        [[fallthrough]];
    case spaceHwb: {
        double white = v[1], black = v[2];
        if (white + black >= 1) {
            std::fill(v, v + 3, white / (white + black));
        } else {
            hslToSrgb(v[0], 1, 0.5, v);
            for (double &x : v)
                x = x * (1 - white - black) + white;
        }
        encoded = true;
        break;
    }
    case spaceDisplayP3: toXyz(srgbToLinear, p3ToXyz, v), multiply(xyzToSrgb, v); break;
    case spaceA98Rgb: toXyz(a98ToLinear, a98ToXyz, v), multiply(xyzToSrgb, v); break;
    case spaceRec2020: toXyz(rec2020ToLinear, rec2020ToXyz, v), multiply(xyzToSrgb, v); break;
    case spaceLch: fromPolar(c, v); [[fallthrough]];
    case spaceLab: {
        double lab[3] = {v[0], v[1], v[2]};
        labToXyzD50(lab, v);
        multiply(d50ToD65, v), multiply(xyzToSrgb, v);
        break;
    }
    case spaceProPhotoRgb: toXyz(proPhotoToLinear, proPhotoToXyzD50, v); [[fallthrough]];
    case spaceXyzD50: multiply(d50ToD65, v); [[fallthrough]];
    case spaceXyzD65: multiply(xyzToSrgb, v); break;
    case spaceOklch: fromPolar(c, v); [[fallthrough]];
    case spaceOklab: oklabToLinearSrgb(v, v); break;
    }
    if (encoded)
        return colorFromUnits(v);
    return colorFromLinearSrgb(v);
}

void oklabToLinearSrgb(const double lab[3], double rgb[3])
{
    std::copy(lab, lab + 3, rgb);
    multiply(oklabToLms, rgb);
    for (int i = 0; i < 3; i++)
        rgb[i] = rgb[i] * rgb[i] * rgb[i];
    multiply(lmsToXyz, rgb), multiply(xyzToSrgb, rgb);
}

uint32_t channelFromLinear(double v)
{
    return channelFromUnit(linearToSrgb(v));
}

uint32_t colorFromLinearSrgb(const double rgb[3])
{
    return channelFromLinear(rgb[0]) | channelFromLinear(rgb[1]) << 8 |
           channelFromLinear(rgb[2]) << 16;
}

double linearChannel(uint32_t value)
{
    return srgbToLinear(value / 255.0);
}

// A colour in CIE XYZ, D65.
static void xyzOf(uint32_t color, double xyz[3])
{
    for (int i = 0; i < 3; i++)
        xyz[i] = linearChannel(channelValue(color, channelMasks[i]));
    multiply(srgbToXyz, xyz);
}

void labOf(uint32_t color, double lab[3])
{
    double f[3];
    xyzOf(color, f);
    multiply(d65ToD50, f);
    for (int i = 0; i < 3; i++) {
        double v = f[i] / d50White[i];
        f[i] = v > epsilon ? std::cbrt(v) : (kappa * v + 16) / 116;
    }
    lab[0] = 116 * f[1] - 16;
    lab[1] = 500 * (f[0] - f[1]);
    lab[2] = 200 * (f[1] - f[2]);
}

void oklabOf(uint32_t color, double lab[3])
{
    xyzOf(color, lab);
    multiply(xyzToLms, lab);
    for (int i = 0; i < 3; i++)
        lab[i] = std::cbrt(lab[i]);
    multiply(lmsToOklab, lab);
}

void oklchOf(uint32_t color, double lch[3])
{
    double lab[3];
    oklabOf(color, lab);
    lch[0] = lab[0];
    lch[1] = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    double h = std::atan2(lab[2], lab[1]) * 180 / pi;
    lch[2] = h < 0 ? h + 360 : h;
}

// Within sRGB but for what rounding to 8 bits takes away anyway.
static bool inSrgb(const double rgb[3])
{
    const double slack = 1e-7;
    for (int i = 0; i < 3; i++)
        if (rgb[i] < -slack || rgb[i] > 1 + slack)
            return false;
    return true;
}

uint32_t colorFromOklch(double lightness, double chroma, double hue)
{
    double l = std::clamp(lightness, 0.0, 1.0), rgb[3];
    double lch[3] = {l, chroma, hue}, lab[3];
    fromPolar(lch, lab);
    oklabToLinearSrgb(lab, rgb);
    if (!inSrgb(rgb)) {
        // The most chroma that sRGB holds at this lightness and hue, to a
        // part in 65536 of the chroma asked for: sRGB's colours of one
        // lightness and hue run from the grey out to its edge unbroken.
        double low = 0, high = chroma;
        for (int i = 0; i < 16; i++) {
            lch[1] = (low + high) / 2;
            fromPolar(lch, lab);
            oklabToLinearSrgb(lab, rgb);
            (inSrgb(rgb) ? low : high) = lch[1];
        }
        lch[1] = low;
        fromPolar(lch, lab);
        oklabToLinearSrgb(lab, rgb);
    }
    return colorFromLinearSrgb(rgb);
}
