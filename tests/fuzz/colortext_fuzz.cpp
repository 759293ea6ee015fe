// Feeds arbitrary byte strings to the paste parse and checks every outcome
// against a model of the paste rule kept here. The model is a grammar over
// the pasted text and converts with the standard library, where the program
// scans by hand, so the two do not share their mistakes.
#include "core/color.h"
#include "core/colorparse.h"
#include "core/colornames.h"
#include "core/colortext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

// The regular expressions below match only from the text's start.
const auto atStart = std::regex_constants::match_continuous;

struct Paste {
    bool accepted;
    uint32_t low, high;  // each channel's range, as written (red highest)
};

// A channel's exact value, clamped and rounded, halves up. A hair from a
// half either neighbour passes: doubles blur there, and so does the
// program's precision of a thousandth where the text holds more.
void addChannel(Paste &p, double value, double hair, int shift)
{
    value = std::min(std::max(value, 0.0), 255.0);
    p.low |= (uint32_t)std::floor(value + 0.5 - hair) << shift;
    p.high |= (uint32_t)std::floor(value + 0.5 + hair) << shift;
}

// The pieces of the grammar, matched in any case. A value is a number
// (an exponent allowed), a percentage, an angle (a hue only) or none; a
// number takes every digit that can be its own, a plain one runs into no
// letter, a unit or none into no letter, digit or "-". Then no blank is
// needed before the next value: the tokens end there.
const std::string b = "[ \\t\\n\\v\\f\\r\\xA0]",
                  n = "[+-]?(?:[0-9]+(?![0-9]|\\.[0-9])|[0-9]*\\.[0-9]+(?![0-9]))(?:e[+-]?[0-9]+(?![0-9]))?";
const std::string plain = n + "(?![a-z_%])", percent = n + "%", none = "none(?![a-z0-9-])";
const std::string angle = n + "(?:deg|grad|rad|turn)(?![a-z0-9-])";
const std::string value = percent + "|" + plain + "|" + none, hue = angle + "|" + plain + "|" + none;

// head, the values apart by blanks or touching, and an alpha after "/";
// a group for each value.
std::regex modernForm(const std::string &head, const std::vector<std::string> &values)
{
    std::string form = b + "*" + head;
    for (const std::string &v : values)
        form += b + "*(" + v + ")";
    return std::regex(form + "(?:" + b + "*/" + b + "*(?:" + value + "))?" + b + "*\\)", std::regex::icase);
}

// head, the values apart by commas and an alpha after one more; no none.
std::regex legacyForm(const std::string &head, const std::vector<std::string> &values)
{
    const std::string sep = b + "*," + b + "*";
    std::string form = b + "*" + head + b + "*";
    for (size_t k = 0; k < values.size(); k++)
        form += (k ? sep : "") + "(" + values[k] + ")";
    return std::regex(form + "(?:" + sep + "(?:" + percent + "|" + plain + "))?" + b + "*\\)", std::regex::icase);
}

// A value's number as strtod reads it, held to the program's 1e30; none is 0.
double numberOf(const std::string &v, std::string *unit = nullptr)
{
    char *end;
    double x = tolower(v[0]) == 'n' ? 0 : strtod(v.c_str(), &end);
    if (unit && tolower(v[0]) != 'n')
        for (*unit = ""; *end; end++)
            *unit += (char)tolower(*end);
    return std::min(std::max(x, -1e30), 1e30);
}

// A hue in degrees, wrapped; NAN where doubles cannot place it on the wheel.
double hueOf(const std::string &v)
{
    std::string unit;
    double h = numberOf(v, &unit);
    h *= unit == "grad" ? 0.9 : unit == "rad" ? 180 / M_PI : unit == "turn" ? 360 : 1;
    return std::fabs(h) > 1e12 ? NAN : std::fmod(std::fmod(h, 360) + 360, 360);
}

// 3 by 3 matrices, row by row: out becomes a v.
typedef std::array<double, 9> Matrix;
void applyMatrix(const Matrix &a, const double v[3], double out[3])
{
    double r[3] = {};
    for (int i = 0; i < 9; i++)
        r[i / 3] += a[i] * v[i % 3];
    std::copy(r, r + 3, out);
}

// color()'s spaces and Oklab's cones: the curve on a magnitude a, a <= t ? a / s : ((a + o) / (1 + o))^g,
// and to linear sRGB, worked out apart from the program from the chromaticities (D50 by Bradford's cones).
const struct Space { const char *name; double t, s, o, g; Matrix toSrgb; } spaces[] = {
    {"srgb", 0.04045, 12.92, 0.055, 2.4, {1, 0, 0, 0, 1, 0, 0, 0, 1}},
    {"srgb-linear", 1e300, 1, 0, 1, {1, 0, 0, 0, 1, 0, 0, 0, 1}},
    {"display-p3", 0.04045, 12.92, 0.055, 2.4, {1.2249401763, -0.22494017628, 0, -0.04205695471, 1.0420569547,
        0, -0.01963755459, -0.078636045551, 1.0982736001}},
    {"a98-rgb", 0, 1, 0, 2.19921875, {1.398355744, -0.398355744, 0, 0, 1, 0, 0, -0.04292898929, 1.042928989}},
    {"prophoto-rgb", 1.0 / 32, 16, 0, 1.8, {2.0343808495, -0.72763578993, -0.30674505958, -0.22882573163,
        1.2317425412, -0.0029168095571, -0.0085588287839, -0.15326670214, 1.1618255309}},
    {"rec2020", 0.0812428583, 4.5, 0.09929682681, 1 / 0.45, {1.6604910021, -0.58764113879, -0.07284986332,
        -0.12455047452, 1.1328998971, -0.0083494226044, -0.018150763355, -0.10057889801, 1.1187296614}},
    {"xyz-d50", 1e300, 1, 0, 1, {3.1341358529, -1.617385998, -0.49066221791, -0.97879547656, 1.9162543774,
        0.03344287339, 0.071955392558, -0.22897675982, 1.4053860351}},
    {"xyz-d65", 1e300, 1, 0, 1, {3.2409699419, -1.5373831776, -0.49861076029, -0.96924363628, 1.8759675015,
        0.041555057407, 0.055630079697, -0.20397695889, 1.0569715142}},
    {"Oklab's LMS", 1e300, 1, 0, 1, {4.0767416621, -3.3077115913, 0.2309699292, -1.2684380046, 2.6097574011,
        -0.3413193965, -0.0041960863, -0.7034186147, 1.707614701}}};

// hwb(), lab(), lch(), oklab(), oklch() and color() to linear light in a space above (lab() to D50 XYZ).
// A value beyond a thousand is checked by its grammar only: doubles cancel there unlike the program's.
Paste modelNewer(const std::string &text, const std::string &name, const std::smatch &m)
{
    double v[3], e[3], h = hueOf(m[name == "hwb" ? 1 : 3].str()) * M_PI / 180;
    for (int k = 0; k < 3; k++)
        if (std::fabs(v[k] = numberOf(m[k + 1].str())) > 1000)
            return {true, 0, 0xFFFFFF};
    auto part = [&](int k, double full) { return m[k + 1].second[-1] == '%' ? v[k] * full / 100 : v[k]; };
    bool ok = name[0] == 'o', polar = name.back() == 'h', color = name == "color", hwb = name == "hwb";
    const Space *in = &spaces[color || hwb ? 0 : ok ? 8 : 6];
    size_t at = text.find_first_not_of(" \t\n\v\f\r\xA0", text.find('(') + 1);
    std::string space = text.substr(at, text.find_first_not_of(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-", at) - at);
    std::transform(space.begin(), space.end(), space.begin(), ::tolower);
    for (const Space &s : spaces)
        in = color && (space == s.name || space + "-d65" == s.name) ? &s : in;
    double full = ok ? 1 : 100, c = std::max(part(1, ok ? 0.4 : 150), 0.0), w = v[1] / 100, b = v[2] / 100;
    double lab[3] = {std::clamp(part(0, full), 0.0, full), polar ? c * std::cos(h) : part(1, ok ? 0.4 : 125),
                     polar ? c * std::sin(h) : part(2, ok ? 0.4 : 125)};
    const double d50[3] = {0.3457 / 0.3585, 1, 0.2958 / 0.3585};
    const Matrix toLms = {1, 0.3963377774, 0.2158037573, 1, -0.1055613458, -0.0638541728, 1, -0.0894841775,
                          -1.291485548};
    applyMatrix(toLms, lab, e);
    for (int k = 0; k < 3; k++) {
        double f = (lab[0] + 16) / 116 + (k == 0 ? lab[1] / 500 : k == 2 ? -lab[2] / 200 : 0), a;
        double pure = std::clamp(std::fabs(std::fmod(h * 3 / M_PI + 6 - 2 * k, 6) - 3) - 1, 0.0, 1.0);
        e[k] = hwb ? (w + b >= 1 ? w / (w + b) : pure * (1 - w - b) + w) : color ? part(k, 1)
               : ok ? e[k] * e[k] * e[k] : d50[k] * (f > 6.0 / 29 ? f * f * f : (f - 4.0 / 29) * 108 / 841);
        a = std::fabs(e[k]);
        e[k] = std::copysign(a <= in->t ? a / in->s : std::pow((a + in->o) / (1 + in->o), in->g), e[k]);
    }
    applyMatrix(in->toSrgb, e, e);
    for (double &u : e)
        u = std::clamp(u, 0.0, 1.0), u = u <= 0.0031308 ? u * 12.92 : 1.055 * std::pow(u, 1 / 2.4) - 0.055;
    Paste p = {true, 0, 0};
    for (int k = 0; k < 3; k++)
        addChannel(p, 255 * e[k], 1e-4, 16 - 8 * k);
    return p;
}

// rgb() and hsl() the modern and the legacy way, with their colours; the
// newer functions through modelNewer.
// name: the function's, in lower case, without the "a" of rgba or hsla;
// end: where the function ends in text.
Paste modelFunction(const std::string &text, const std::string &name, size_t &end)
{
    const std::string number = percent + "|" + plain, legacyHue = angle + "|" + plain;
    static const std::regex rgb[3] = {modernForm("rgba?\\(", {value, value, value}),
                                      legacyForm("rgba?\\(", {plain, plain, plain}),
                                      legacyForm("rgba?\\(", {percent, percent, percent})};
    static const std::regex hsl[2] = {modernForm("hsla?\\(", {hue, value, value}),
                                      legacyForm("hsla?\\(", {legacyHue, percent, percent})};
    static const std::regex hsv[2] = {modernForm("hs[vb]\\(", {hue, value, value}),
                                      legacyForm("hs[vb]\\(", {legacyHue, number, number})};
    static const std::regex cmyk[4] = {modernForm("cmyk\\(", {value, value, value, value}),
                                       legacyForm("cmyk\\(", {number, number, number, number}),
                                       modernForm("device-cmyk\\(", {value, value, value, value}),
                                       legacyForm("device-cmyk\\(", {plain, plain, plain, plain})};
    static const std::regex hwb = modernForm("hwb\\(", {hue, value, value});
    static const std::regex lab = modernForm("(?:ok)?lab\\(", {value, value, value});
    static const std::regex lch = modernForm("(?:ok)?lch\\(", {value, value, hue});
    static const std::regex color = modernForm(
        "color\\(" + b + "*(?:srgb|srgb-linear|display-p3|a98-rgb|prophoto-rgb|rec2020|xyz|xyz-d50|"
        "xyz-d65)(?![a-z0-9-])", {value, value, value});
    std::smatch m;
    bool isRgb = false, isHsl = false, isHsv = false, isCmyk = false;
    if (name == "rgb")
        for (const std::regex &r : rgb)
            isRgb = isRgb || std::regex_search(text, m, r, atStart);
    else if (name == "hsl")
        for (const std::regex &r : hsl)
            isHsl = isHsl || std::regex_search(text, m, r, atStart);
    else if (name == "hsv" || name == "hsb")
        for (const std::regex &r : hsv)
            isHsv = isHsv || std::regex_search(text, m, r, atStart);
    else if (name == "cmyk" || name == "device-cmyk")
        for (int i = name == "cmyk" ? 0 : 2, last = i + 2; i < last; i++)
            isCmyk = isCmyk || std::regex_search(text, m, cmyk[i], atStart);
    else {
        const std::regex &r = name == "hwb" ? hwb : name == "color" ? color : name.back() == 'b' ? lab : lch;
        bool any = std::regex_search(text, m, r, atStart);
        end = any ? m.length(0) : 0;
        return any ? modelNewer(text, name, m) : Paste{false, 0, 0};
    }
    if (!isRgb && !isHsl && !isHsv && !isCmyk)
        return {false, 0, 0};
    end = m.length(0);
    double v[3] = {numberOf(m[1].str()), numberOf(m[2].str()), numberOf(m[3].str())};
    const double hair = 2e-5;
    Paste p = {true, 0, 0};
    if (isRgb || isCmyk) {
        // cmyk(): a channel is what its ink and the black leave of 255; in
        // cmyk() plain numbers are percentages where one is above 1.
        auto plainNumber = [&](int k) {
            return m[k + 1].str().back() != '%' && tolower(m[k + 1].str()[0]) != 'n';
        };
        bool hundreds = false;
        for (int k = 0; k < 4; k++)
            hundreds = hundreds || (name == "cmyk" && plainNumber(k) && numberOf(m[k + 1].str()) > 1);
        auto ink = [&](int k) {
            double x = numberOf(m[k + 1].str());
            return std::clamp(!plainNumber(k) || hundreds ? x / 100 : x, 0.0, 1.0);
        };
        for (int k = 0; k < 3; k++)
            addChannel(p, isCmyk ? 255 * (1 - ink(k)) * (1 - ink(3)) : m[k + 1].str().back() == '%' ? v[k] * 255 / 100 : v[k],
                       hair, 16 - 8 * k);
        return p;
    }
    double h = hueOf(m[1].str()), s = std::max(v[1], 0.0) / 100, l = v[2] / 100;
    if (std::isnan(h))
        return {true, 0, 0xFFFFFF};
    if (isHsv) {
        // The value less what the saturation takes where the hue is not.
        s = std::min(s, 1.0), l = std::clamp(l, 0.0, 1.0);
        for (int k = 0; k < 3; k++) {
            double e = std::fmod(5 - 2 * k + h / 60, 6);
            addChannel(p, 255 * l * (1 - s * std::clamp(std::min(e, 4 - e), 0.0, 1.0)), hair, 16 - 8 * k);
        }
        return p;
    }
    double c = (1 - std::fabs(2 * l - 1)) * s, x = c * (1 - std::fabs(std::fmod(h / 60, 2) - 1));
    const double sectors[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
    for (int k = 0; k < 3; k++)
        addChannel(p, (sectors[(int)(h / 60) % 6][k] + l - c / 2) * 255, hair, 16 - 8 * k);
    return p;
}

// The named colour that letters spell, in any case.
bool nameOf(std::string letters, uint32_t &rrggbb)
{
    for (char &c : letters)
        c = (char)tolower(c);
    // The table's names joined, read once.
    static std::map<std::string, uint32_t> names;
    for (int i = names.empty() ? 0 : namedColorCount; i < namedColorCount; i++) {
        std::string joined = namedColorWords(i);
        joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
        uint32_t c = namedColorValue(i);
        names[joined] = (c & 0xFF) << 16 | (c & 0x00FF00) | c >> 16;
    }
    auto found = names.find(letters);
    if (found == names.end())
        return false;
    rrggbb = found->second;
    return true;
}

// A named colour: letters after the blanks that spell one of the table's
// names joined, then the end, a blank, ";" or ",".
bool modelName(const std::string &text, uint32_t &rrggbb)
{
    static const std::regex name(b + "*([a-z]+)(?:$|[ \\t\\n\\v\\f\\r\\xA0;,])", std::regex::icase);
    std::smatch m;
    return std::regex_search(text, m, name, atStart) && nameOf(m[1].str(), rrggbb);
}

// A colour standing whole at the start of v, as in a declaration or
// between quotes: a function (and no other reading of a text that starts
// with a function's name), fewer than 24 letters that name a colour, "#"
// and 3, 4, 6 or 8 hex digits, or 6 hex digits alone; end: where it ends.
Paste modelWholeColor(const std::string &v, size_t &end)
{
    static const std::regex function("(rgba?|hsla?|hwb|lab|lch|oklab|oklch|color|hs[vb]|cmyk|device-cmyk)\\(",
                                     std::regex::icase);
    static const std::regex letters("[a-z]*", std::regex::icase), hex("(#?)([0-9a-f]*)", std::regex::icase);
    std::smatch m;
    if (std::regex_search(v, m, function, atStart)) {
        std::string name = m[1].str();
        for (char &c : name)
            c = (char)tolower(c);
        return modelFunction(v, name == "rgba" || name == "hsla" ? name.substr(0, 3) : name, end);
    }
    uint32_t named;
    std::regex_search(v, m, letters, atStart);
    if (m.length(0) < 24 && nameOf(m.str(0), named)) {
        end = m.length(0);
        return {true, named, named};
    }
    std::regex_search(v, m, hex, atStart);
    std::string digits = m[2].str();
    size_t n = digits.size();
    if (m[1].length() ? n != 3 && n != 4 && n != 6 && n != 8 : n != 6)
        return {false, 0, 0};
    uint32_t c = 0;
    for (int k = 0; k < 3; k++)
        c = c << 8 | (uint32_t)std::stoul(n < 6 ? std::string(2, digits[k]) : digits.substr(2 * k, 2), nullptr, 16);
    end = m.length(0);
    return {true, c, c};
}

// The shapes of a copied line, each after blanks: a declaration (a
// property, ":", a whole colour, then "!important", ";" or the end), a
// whole colour in quotes (maybe as an attribute's value), three decimal
// channels 0-255 apart by a comma, blanks or both, three hex pairs apart
// by single blanks.
bool modelLine(const std::string &text, Paste &p)
{
    const auto icase = std::regex::icase;
    static const std::regex property(b + "*[a-z_-][a-z0-9_-]{0,99}" + b + "*:" + b + "*", icase);
    static const std::regex ending(b + "*(?:!" + b + "*important" + b + "*)?(?:;|$)", icase);
    static const std::regex opening(b + "*(?:[a-z_-][a-z0-9_:.-]{0,99}" + b + "*=" + b + "*)?([\"'`])" + b + "*", icase);
    const std::string sep = "(?:" + b + "*," + b + "*|" + b + "+)";
    static const std::regex triple(b + "*([0-9]+)" + sep + "([0-9]+)" + sep + "([0-9]+)" + b + "*$");
    static const std::regex pairs(b + "*([0-9a-f]{2})" + b + "([0-9a-f]{2})" + b + "([0-9a-f]{2})" + b + "*$", icase);
    std::smatch m, t;
    size_t end = 0;
    if (std::regex_search(text, m, property, atStart)) {
        std::string rest = text.substr(m.length(0));
        p = modelWholeColor(rest, end);
        std::string after = rest.substr(p.accepted ? end : 0);
        if (p.accepted && std::regex_search(after, t, ending, atStart))
            return true;
    }
    if (std::regex_search(text, m, opening, atStart)) {
        std::string rest = text.substr(m.length(0));
        p = modelWholeColor(rest, end);
        size_t close = p.accepted ? rest.find_first_not_of(" \t\n\v\f\r\xA0", end) : std::string::npos;
        if (close != std::string::npos && rest[close] == m[1].str()[0])
            return true;
    }
    if (std::regex_search(text, m, triple, atStart)) {
        uint32_t c = 0;
        bool inRange = true;
        for (int k = 1; k <= 3; k++) {
            std::string digits = m[k].str();
            digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
            uint32_t v = digits.size() > 3 ? 256 : (uint32_t)std::stoul(digits);
            inRange = inRange && v <= 255;
            c = c << 8 | (v & 0xFF);
        }
        if (inRange) {
            p = {true, c, c};
            return true;
        }
    }
    if (std::regex_search(text, m, pairs, atStart)) {
        uint32_t c = (uint32_t)std::stoul(m[1].str() + m[2].str() + m[3].str(), nullptr, 16);
        p = {true, c, c};
        return true;
    }
    return false;
}

// The text must read as a shape of a line, a function, a named colour, as "#" right after the blanks and
// three or four hex digits, no more, or else as
//   blanks* sign? ("0x" | "0X" | "#")? hexdigit{0,6} anything
// where the part after the prefix counts by its first six characters, and
// a digit must stand somewhere (the 0 of "0x" is one) unless the whole
// text is empty.
Paste modelPaste(const std::string &text)
{
    static const std::regex function(b + "*(rgba?|hsla?|hwb|lab|lch|oklab|oklch|color|hs[vb]|cmyk|device-cmyk)\\(",
                                     std::regex::icase);
    static const std::regex shorthand(b + "*#([0-9a-f]{3})[0-9a-f]?(?![0-9a-f])", std::regex::icase);
    const char *blanks = " \t\n\v\f\r\xA0";
    // std::regex is slow under the sanitizers: a cheap test that the text
    // holds a character its shapes need first keeps the smoke run short.
    Paste line;
    if (text.find_first_of(":\"'`0123456789 \t\n\v\f\r\xA0") != std::string::npos && modelLine(text, line))
        return line;
    std::smatch m;
    size_t end;
    if (text.find('(') != std::string::npos && std::regex_search(text, m, function, atStart)) {
        std::string name = m[1].str();
        for (char &c : name)
            c = (char)tolower(c);
        return modelFunction(text, name == "rgba" || name == "hsla" ? name.substr(0, 3) : name, end);
    }
    size_t start = text.find_first_not_of(blanks);
    uint32_t named;
    if (start != std::string::npos && isalpha((unsigned char)text[start]) && modelName(text, named))
        return {true, named, named};
    if (text.find('#') != std::string::npos && std::regex_search(text, m, shorthand, atStart)) {
        uint32_t v = 0;
        for (char c : m[1].str())
            v = v << 8 | (uint32_t)std::stoul(std::string(2, c), nullptr, 16);
        return {true, v, v};
    }
    if (text.empty())
        return {true, 0, 0};
    size_t i = text.find_first_not_of(blanks);
    if (i == std::string::npos)
        return {false, 0, 0};
    bool minus = text[i] == '-';
    if (text[i] == '+' || text[i] == '-')
        i++;
    bool zeroX = text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0;
    if (zeroX)
        i += 2;
    else if (text.compare(i, 1, "#") == 0)
        i += 1;
    std::string digits = text.substr(i, 6);
    if (digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return {false, 0, 0};
    if (digits.empty() && !zeroX)
        return {false, 0, 0};
    uint32_t v = digits.empty() ? 0 : (uint32_t)std::stoul(digits, nullptr, 16);
    if (minus)
        v = ~v + 1;
    return {true, v & 0xFFFFFF, v & 0xFFFFFF};
}

// 0xRRGGBB to the 0x00BBGGRR layout: the outer two bytes trade places.
uint32_t colorOf(uint32_t rrggbb)
{
    return (rrggbb & 0x00FF00) | (rrggbb & 0xFF) << 16 | rrggbb >> 16;
}

[[noreturn]] void fail(const char *text, const char *what, uint32_t want, uint32_t got)
{
    fprintf(stderr, "paste of \"");
    for (const char *p = text; *p; p++)
        fprintf(stderr, (unsigned char)*p < 0x20 || (unsigned char)*p > 0x7E ? "\\x%02X" : "%c",
                (unsigned char)*p);
    fprintf(stderr, "\": %s: want %08X, got %08X\n", what, want, got);
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The clipboard hands over a zero-terminated text. A heap copy of just
    // that size lets AddressSanitizer catch a read past the terminator.
    char *text = (char *)malloc(size + 1);
    memcpy(text, data, size);
    text[size] = '\0';

    // A colour read has no top byte; a text refused leaves the colour as
    // it was.
    const uint32_t before = 0xC0000000u | ((uint32_t)size * 0x9E3779B9u & 0xFFFFFF);
    uint32_t color = before;

    Paste want = modelPaste(text);
    bool accepted = readColorText(text, SIZE_MAX, color);
    if (accepted != want.accepted)
        fail(text, "accepted", want.accepted, accepted);
    if (accepted) {
        for (uint32_t mask : {redMask, greenMask, blueMask}) {
            if (channelValue(color, mask) < channelValue(colorOf(want.low), mask) ||
                channelValue(color, mask) > channelValue(colorOf(want.high), mask))
                fail(text, "color", colorOf(want.low), color);
        }
        if (color > 0xFFFFFF)
            fail(text, "color", colorOf(want.low), color);
    } else if (color != before) {
        fail(text, "color", before, color);
    }
    free(text);
    return 0;
}
