// Feeds arbitrary byte strings to the paste parse and checks every outcome
// against a model of the paste rule kept here. The model is a grammar over
// the pasted text and converts with the standard library, where the program
// scans by hand, so the two do not share their mistakes.
#include "core/color.h"
#include "core/colortext.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Paste {
    bool accepted;
    uint32_t rrggbb;  // the colour as written in the text, red highest
};

// The text must read as
//   blanks* sign? ("0x" | "0X" | "#")? hexdigit{0,6} anything
// where the part after the prefix counts by its first six characters, and
// a digit must stand somewhere (the 0 of "0x" is one) unless the whole
// text is empty.
Paste modelPaste(const std::string &text)
{
    if (text.empty())
        return {true, 0};
    size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos)
        return {false, 0};
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
        return {false, 0};
    if (digits.empty() && !zeroX)
        return {false, 0};
    uint32_t v = digits.empty() ? 0 : (uint32_t)std::stoul(digits, nullptr, 16);
    if (minus)
        v = ~v + 1;
    return {true, v & 0xFFFFFF};
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
        if (curColor != colorOf(want.rrggbb))
            fail(text, "curColor", colorOf(want.rrggbb), curColor);
        if (oldColor != before)
            fail(text, "oldColor", before, oldColor);
        // Copying the pasted colour gives its canonical six-digit form.
        char canonical[8];
        snprintf(canonical, sizeof canonical, "%06X", want.rrggbb);
        refreshColorTexts();
        if (strcmp(canonical, colorHex) != 0)
            fail(text, "colorHex differs from the pasted value", want.rrggbb, (uint32_t)strtoul(colorHex, nullptr, 16));
    } else {
        if (curColor != before)
            fail(text, "curColor", before, curColor);
        if (oldColor != partner)
            fail(text, "oldColor", partner, oldColor);
    }
    free(text);
    return 0;
}
