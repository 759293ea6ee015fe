// Which format a palette file is in: named by its extension, shown by its
// content, or chosen in a dialog's list.
#include "palette.h"
#include "textscan.h"

#include <cstring>

const char *const paletteExtensions[paletteFormatCount] = {"gpl", "txt", "css", "json", "hex", "ase"};

PaletteFormat paletteFormatOf(const char *extension)
{
    int f = 0;
    for (const char *rest; f < paletteFormatCount; f++)
        if ((rest = startsWith(extension, paletteExtensions[f], true)) && !*rest)
            break;
    return (PaletteFormat)f;
}

PaletteFormat paletteFormatOfContent(const uint8_t *bytes, size_t length)
{
    if (length >= 4 && !memcmp(bytes, "ASEF", 4))
        return paletteAse;
    size_t bom = length >= 3 && !memcmp(bytes, "\xEF\xBB\xBF", 3) ? 3 : 0;
    TextScan s = {(const char *)bytes + bom, length - bom, 0};
    skipBlanks(s);
    if (takeWord(s, "gimp palette"))
        return paletteGpl;
    if (peek(s) == '[')
        return paletteJson;
    for (size_t i = s.at; i < s.limit; i++)
        if (s.text[i] == '{')
            return paletteCss;
    // Hexadecimal lines, with or without Paint.NET's alpha, or failing
    // those red, green and blue in decimal, as GIMP's lines without the
    // header.
    size_t skipped;
    uint32_t color;
    return readPalette(palettePaintNet, bytes, length, &color, 1, skipped) ? palettePaintNet
           : readPalette(paletteGpl, bytes, length, &color, 1, skipped)   ? paletteGpl
                                                                           : paletteFormatCount;
}

PaletteFormat choosePaletteFormat(const char *extension, unsigned listed, const uint8_t *content,
                                  size_t length)
{
    PaletteFormat format = paletteFormatOf(extension);
    if (format == paletteFormatCount && content)
        format = paletteFormatOfContent(content, length);
    if (format == paletteFormatCount && listed < paletteFormatCount)
        format = (PaletteFormat)listed;
    return format;
}
