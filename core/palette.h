// Palette files: colours as the files that design tools read and write
// (GIMP's .gpl, Paint.NET's .txt, a stylesheet, JSON, plain hexadecimal
// lines, Adobe Swatch Exchange). Platform-free: a writer takes colours and
// their names and gives bytes, a reader takes bytes and a length and gives
// colours.
#pragma once
#include <cstddef>
#include <cstdint>

enum PaletteFormat {
    paletteGpl, palettePaintNet, paletteCss, paletteJson, paletteHex, paletteAse,
    paletteFormatCount
};

// The formats' extensions, without the dot, in the formats' order.
extern const char *const paletteExtensions[paletteFormatCount];
// The format an extension names, in any ASCII case, or paletteFormatCount.
PaletteFormat paletteFormatOf(const char *extension);
// The format a file's bytes show: "ASEF", GIMP's header, a JSON array, a
// stylesheet's rule, hexadecimal lines (Paint.NET's among them) or lines
// of three decimal numbers; paletteFormatCount for none of these.
PaletteFormat paletteFormatOfContent(const uint8_t *bytes, size_t length);
// The format of a file to read or write: the one the extension of its name
// names; else, to read, the one its content shows; else the one chosen in
// the dialog's list (the format's number there, any larger number for
// none); else paletteFormatCount.
PaletteFormat choosePaletteFormat(const char *extension, unsigned listed,
                                  const uint8_t *content = nullptr, size_t length = 0);

// The colours (0x00BBGGRR) with their names (UTF-8, one a colour) in the
// format, into out when they fit in room; returns the bytes they take,
// also when they do not fit. Text formats end their lines with LF.
size_t writePalette(PaletteFormat format, const uint32_t *colors, const char *const *names,
                    int count, uint8_t *out, size_t room);

// A longer file is no palette.
const size_t paletteFileMax = 1 << 20;

// The colours of a file in the format, in file order, repeats included,
// into out (room at most; a colour takes two bytes of any file at least);
// returns how many. Lines, comments, names and entries the format has but
// no colour of are skipped; colour entries in a model that has no sRGB
// colour (an .ase's CMYK) are skipped and counted in skipped. Reads no
// byte past length.
size_t readPalette(PaletteFormat format, const uint8_t *bytes, size_t length, uint32_t *out,
                   size_t room, size_t &skipped);
