#include "core/history.h"
#include "core/palette.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Colors = std::vector<uint32_t>;

size_t skipped;  // by the last read

// Read from a copy of exactly the bytes given, so that the sanitizers see
// any read past them.
Colors read(PaletteFormat format, const std::string &text)
{
    std::vector<uint8_t> bytes(text.begin(), text.end());
    Colors out(bytes.size() / 2 + 1);
    out.resize(readPalette(format, bytes.data(), bytes.size(), out.data(), out.size(), skipped));
    return out;
}

std::string write(PaletteFormat format, const Colors &colors, const char *const *names)
{
    std::vector<uint8_t> out(100 * colors.size() + 100), less(colors.empty() ? 0 : 99);
    size_t n = writePalette(format, colors.data(), names, (int)colors.size(), out.data(), out.size());
    less.resize(n && n <= 100 ? n - 1 : less.size());
    EXPECT_EQ(n, writePalette(format, colors.data(), names, (int)colors.size(), less.data(), less.size()));
    return std::string(out.begin(), out.begin() + n);
}

// An .ase colour entry by hand: name units, model, floats big-endian.
std::string aseEntry(std::u16string name, const char *model, std::vector<float> values)
{
    std::string body = {char(name.size() >> 8), char(name.size())};
    for (char16_t u : name)
        body += {char(u >> 8), char(u)};
    body += model;
    for (float f : values) {
        uint32_t bits;
        memcpy(&bits, &f, 4);
        body += {char(bits >> 24), char(bits >> 16), char(bits >> 8), char(bits)};
    }
    body += std::string(2, '\0');
    return std::string{0, 1, 0, 0, char(body.size() >> 8), char(body.size())} + body;
}

const std::string aseHead("ASEF\0\1\0\0\0\0\0\0", 12);

TEST(Palette, EveryFormatRoundTripsAndNamesItsColours)
{
    const Colors colors = {0x0080FF, 0, 0xFFFFFF, 0x281E0A, 0x808080};
    const char *names[] = {"dark orange", "caf\xC3\xA9 \xF0\x9F\x8E\xA8", "white", "a\tb */ c", "grey"};
    for (int f = 0; f < paletteFormatCount; f++) {
        // Under a name whose extension names no format, the content tells it.
        std::string file = write(PaletteFormat(f), colors, names);
        PaletteFormat shown = choosePaletteFormat("foo", paletteCss, (const uint8_t *)file.data(), file.size());
        EXPECT_EQ(colors, read(shown, file)) << paletteExtensions[f];
        EXPECT_EQ(0u, skipped);
        EXPECT_EQ(PaletteFormat(f), paletteFormatOf(f ? paletteExtensions[f] : "GpL"));
    }
    EXPECT_EQ(paletteFormatCount, paletteFormatOf("gp"));
    EXPECT_EQ(palettePaintNet, choosePaletteFormat("txt", paletteGpl)) << "tones.txt saved as GIMP";
    EXPECT_EQ(paletteJson, choosePaletteFormat("", paletteJson, (const uint8_t *)"; x", 3));
    EXPECT_EQ(paletteFormatCount, choosePaletteFormat("foo", paletteFormatCount));
    EXPECT_EQ(0u, write(palettePaintNet, colors, names).find("; Palette from Tinctora\nFFFF8000\nFF000000\n"));
    EXPECT_EQ(0u, write(paletteHex, colors, names).find("ff8000\n000000\nffffff\n"));
    EXPECT_EQ("", write(paletteHex, {}, names));
    std::string gpl = write(paletteGpl, colors, names);
    EXPECT_EQ(0u, gpl.find("GIMP Palette\nName: Tinctora\nColumns: 0\n#\n255 128   0\tdark orange\n"));
    EXPECT_NE(std::string::npos, gpl.find(" 10  30  40\ta b */ c\n"));
    EXPECT_NE(std::string::npos, write(paletteCss, colors, names).find(
        "  --color-4: #0a1e28; /* a b * / c */\n"));
    EXPECT_NE(std::string::npos, write(paletteJson, colors, names).find("\"#808080\"\n]\n"));
    // The name in UTF-16 with its closing zero: c a f e-acute blank, a surrogate pair.
    std::string ase = write(paletteAse, colors, names);
    EXPECT_EQ(aseHead.substr(0, 11) + "\5", ase.substr(0, 12));
    EXPECT_NE(std::string::npos, ase.find(std::string("\0\10\0c\0a\0f\0\xE9\0 \xD8\x3C\xDF\xA8\0\0RGB ", 22)));
}

TEST(Palette, ReadersTakeWhatTheyCanAndSkipTheRest)
{
    EXPECT_EQ((Colors{0x0080FF, 0x030201, 0x0A0B0C}),
              read(paletteGpl, "GIMP Palette\r\nName: x\r\n# 1 2 3\r\n255 128 0\tdark orange"
                               "\r\n256 0 0\n1 2 -3\n10 20\n1 2 3x\n4294967297 0 0\n  1   2   3 \xC3\xA9\r12 11 10"));
    EXPECT_EQ((Colors{0x0080FF, 0x030201}), read(palettePaintNet, "; c\nFFFF8000\n80010203 n\nff8000g\n#FFFFFF1"));
    EXPECT_EQ((Colors{0x0080FF, 0x030201}), read(paletteHex, "\xEF\xBB\xBF" "ff8000\r\n#010203\nfff\n0102030\n"));
    EXPECT_EQ((Colors{0x0080FF, 0xFF0000, 0x00A5FF}),
              read(paletteCss, "/* a: red; */ :root, a:hover {--a: #ff8000; b:rgb(0 0 255)!important;"
                               "c: orange} d: x; e: #ff8000 e;"));
    // The top-level array's strings, and its objects' colours under their
    // keys, never a name nor what is nested deeper.
    EXPECT_EQ((Colors{0x0080FF, 0x0000FF, 0xFF0000, 0x00FF00, 0xFF00FF}),
              read(paletteJson, " [\"#FF8000\", 5, [\"\\\"]\", \" blue \"], {\"name\": \"navy\", \"hex\": \"#f00\"}, "
                                "\"\\u0023\\u0030000fF\", {\"a\": {\"color\": \"red\"}, \"Colour\": \" lime \", \"value\": \"red\"},"
                                " {\"name\": \"red\"}, \"nope\", \"\\ud83c\\udfa8\", \"magenta\"] \"red\""));
    EXPECT_EQ(Colors{}, read(paletteJson, "{\"a\": \"#FF8000\"}"));
    EXPECT_EQ(Colors{}, read(paletteJson, "[\"#FF8000"));
}

TEST(Palette, AseModelsNamesAndCutsShort)
{
    std::string entries = aseEntry(u"", "Gray", {0.5f}) + aseEntry(u"\u00e9", "LAB ", {1, 0, 0}) +
                          aseEntry(u"c", "CMYK", {0, 0, 0, 1}) + aseEntry(u"n", "RGB ", {NAN, 0, 0}) +
                          aseEntry(u"r", "RGB ", {1, 0.5f, 2}) + aseEntry(u"", "RGB ", {1, 0.5f}) +
                          aseEntry(u"", "Gray", {0.2f}) +
                          std::string{0, 1, 0, 0, 0, 4, 0, 9, 'R', 'G'} + std::string("\xC0\1\0\0\0\0", 6);
    EXPECT_EQ((Colors{0x808080, 0xFFFFFF, 0xFF80FF, 0x333333}), read(paletteAse, aseHead + entries));
    EXPECT_EQ(4u, skipped) << "CMYK, not a number, floats past their entry, a name past its";
    // Cut anywhere, the whole entries before the cut are read and no byte after it.
    std::string three = write(paletteAse, {1, 2, 3}, std::vector<const char *>(3, "x").data());
    for (size_t cut = 0; cut <= three.size(); cut++) {
        ASSERT_EQ(Colors({1, 2, 3}).size() - (cut < 12 ? 3 : (three.size() - cut + 29) / 30),
                  read(paletteAse, three.substr(0, cut)).size()) << cut;
        ASSERT_EQ(cut >= 12 && (cut - 12) % 30 >= 2, skipped) << "the cut entry counted: " << cut;
    }
}

// A file's colours pinned in its order, each once, the pinned kept in place.
TEST(Palette, OpenedColoursPinnedUpToTheLimit)
{
    recentColors.count = pinnedColors.count = 0;
    togglePin(7), togglePin(5);
    Colors many(10000);
    for (uint32_t i = 0; i < many.size(); i++)
        many[i] = (i * 2654435761u) & 0xFFFFFF;
    many[1] = 5, many[3] = many[2];
    std::vector<const char *> names(many.size(), "n");
    Colors file = read(paletteAse, write(paletteAse, many, names.data()));
    ASSERT_EQ(many, file);
    size_t distinct, pinned;
    pinColors(file.data(), file.size(), distinct, pinned);
    EXPECT_EQ(9999u, distinct);
    EXPECT_EQ(15u, pinned) << "5 and 14 new";
    EXPECT_EQ((Colors{7, 5, many[0], many[2], many[4]}), Colors(pinnedColors.colors, pinnedColors.colors + 5));
}

}  // namespace
