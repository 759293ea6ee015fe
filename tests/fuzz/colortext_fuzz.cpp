// Feeds arbitrary byte strings to the paste parse and checks every outcome
// against a model of the paste rule kept here. The model is a grammar over
// the pasted text and converts with the standard library, where the program
// scans by hand, so the two do not share their mistakes.
#include "core/color.h"
#include "core/colorparse.h"
#include "core/colortext.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

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

// Degrees into 0..360, the whole digits folded one by one so that a hue of
// any length keeps its place on the wheel.
double hueOf(const std::string &number)
{
    size_t i = number.find_first_of("0123456789."), dot = std::min(number.find('.'), number.size());
    int whole = 0;
    for (; i < dot; i++)
        whole = (whole * 10 + number[i] - '0') % 360;
    double h = whole + strtod(number.c_str() + dot, nullptr);
    return number[0] == '-' ? std::fmod(360 - h, 360) : h;
}

// name "(" three values and an optional alpha ")": all separated by commas
// (blanks around them), the alpha after a fourth, or all by blanks, the
// alpha after "/". Groups 1, 3 and 4 hold the values; for rgb, group 2 is
// the "%" that all three share or lack.
std::regex functionForm(const std::string &name, const std::string &first, const std::string &rest,
                        bool commas)
{
    const std::string b = "[ \\t\\n\\v\\f\\r]", n = "[+-]?(?:[0-9]+(?:\\.[0-9]+)?|\\.[0-9]+)";
    const std::string sep = commas ? b + "*," + b + "*" : b + "+";
    const std::string alpha = "(?:" + b + "*" + (commas ? "," : "/") + b + "*" + n + "%?)?";
    return std::regex(b + "*" + name + "a?\\(" + b + "*(" + n + ")" + first + sep + "(" + n + ")" +
                          rest + sep + "(" + n + ")" + rest + alpha + b + "*\\)",
                      std::regex::icase);
}

// rgb() or hsl() as stylesheets write them, whatever follows.
Paste modelFunction(const std::string &text, bool hsl)
{
    static const std::regex forms[2][2] = {
        {functionForm("rgb", "(%?)", "\\2", true), functionForm("rgb", "(%?)", "\\2", false)},
        {functionForm("hsl", "()(?:deg)?", "%", true), functionForm("hsl", "()(?:deg)?", "%", false)}};
    static const std::regex decimals("\\.[0-9]{4}");
    std::smatch m;
    if (!std::regex_search(text, m, forms[hsl][0], atStart) &&
        !std::regex_search(text, m, forms[hsl][1], atStart))
        return {false, 0, 0};
    double v[3] = {strtod(m[1].str().c_str(), nullptr), strtod(m[3].str().c_str(), nullptr),
                   strtod(m[4].str().c_str(), nullptr)};
    double hair = std::regex_search(m[0].str(), decimals) ? 0.01 : hsl ? 1e-9 : 0;
    Paste p = {true, 0, 0};
    if (!hsl) {
        for (int k = 0; k < 3; k++)
            addChannel(p, m[2].length() ? v[k] * 255 / 100 : v[k], hair, 16 - 8 * k);
        return p;
    }
    double h = hueOf(m[1].str()), s = std::min(std::max(v[1], 0.0), 100.0) / 100;
    double l = std::min(std::max(v[2], 0.0), 100.0) / 100;
    double c = (1 - std::fabs(2 * l - 1)) * s, x = c * (1 - std::fabs(std::fmod(h / 60, 2) - 1));
    const double sectors[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
    for (int k = 0; k < 3; k++)
        addChannel(p, (sectors[(int)(h / 60) % 6][k] + l - c / 2) * 255, hair, 16 - 8 * k);
    return p;
}

// The text must read as a function, as "#" right after the blanks and
// three or four hex digits, no more, or else as
//   blanks* sign? ("0x" | "0X" | "#")? hexdigit{0,6} anything
// where the part after the prefix counts by its first six characters, and
// a digit must stand somewhere (the 0 of "0x" is one) unless the whole
// text is empty.
Paste modelPaste(const std::string &text)
{
    static const std::regex function("[ \\t\\n\\v\\f\\r]*(rgb|hsl)a?\\(", std::regex::icase);
    static const std::regex shorthand("[ \\t\\n\\v\\f\\r]*#([0-9a-f]{3})[0-9a-f]?(?![0-9a-f])",
                                      std::regex::icase);
    // std::regex is slow under the sanitizers: a cheap test that the text
    // holds a "(" or a "#" first keeps the smoke run short.
    std::smatch m;
    if (text.find('(') != std::string::npos && std::regex_search(text, m, function, atStart))
        return modelFunction(text, tolower(m[1].str()[0]) == 'h');
    if (text.find('#') != std::string::npos && std::regex_search(text, m, shorthand, atStart)) {
        uint32_t v = 0;
        for (char c : m[1].str())
            v = v << 8 | (uint32_t)std::stoul(std::string(2, c), nullptr, 16);
        return {true, v, v};
    }
    if (text.empty())
        return {true, 0, 0};
    size_t i = text.find_first_not_of(" \t\n\v\f\r");
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

    // Stored colours may carry a top byte, which a paste must not keep; the
    // undo flag must neither matter nor change.
    const uint32_t before = 0xC0000000u | ((uint32_t)size * 0x9E3779B9u & 0xFFFFFF);
    const uint32_t partner = 0x00123456u;
    const uint8_t armed = size & 1;
    curColor = before;
    oldColor = partner;
    undoArmed = armed;

    Paste want = modelPaste(text);
    bool accepted = applyColorText(text);
    if (accepted != want.accepted)
        fail(text, "accepted", want.accepted, accepted);
    if (undoArmed != armed)
        fail(text, "undoArmed", armed, undoArmed);
    if (accepted) {
        for (uint32_t mask : {redMask, greenMask, blueMask}) {
            if (channelValue(curColor, mask) < channelValue(colorOf(want.low), mask) ||
                channelValue(curColor, mask) > channelValue(colorOf(want.high), mask))
                fail(text, "curColor", colorOf(want.low), curColor);
        }
        if (oldColor != before)
            fail(text, "oldColor", before, oldColor);
    } else {
        if (curColor != before)
            fail(text, "curColor", before, curColor);
        if (oldColor != partner)
            fail(text, "oldColor", partner, oldColor);
    }
    free(text);
    return 0;
}
