#include "clipboard.h"
#include "clipboardtext.h"
#include "taking.h"
#include "core/color.h"
#include "core/colorparse.h"
#include "core/colortext.h"
#include "skin/draw.h"
#include "skin/regions.h"

void copyColorAs(HWND window, const char *text)
{
    if (copyTextToClipboard(window, text))
        takeColor(window, takenByCopy, curColor);
}

void copyColor(HWND window)
{
    copyColorAs(window, formatCopyText());
}

void pasteFromClipboard(HWND window)
{
    uint32_t color;
    bool read = false;
    if (OpenClipboard(window)) {
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const wchar_t *text = data ? (const wchar_t *)GlobalLock(data) : nullptr;
        if (text) {
            // Another program's block need not end in a zero: the parse
            // reads no further than the block. A colour is ASCII; the
            // no-break space that web pages put around it is 0xA0 to the
            // parse, whatever the system's code page, and any other
            // character a byte that is no part of a colour.
            static char narrowed[4096];
            size_t n = 0, units = GlobalSize(data) / sizeof(wchar_t);
            for (; n < units && n < sizeof narrowed && text[n]; n++)
                narrowed[n] = text[n] < 0x100 ? (char)text[n] : '\x7F';
            read = readColorText(narrowed, n, color);
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    // A paste that sets no colour still shows the swatch afresh.
    if (read)
        takeColor(window, takenBySet, color);
    else
        paintSwatch(window, swatchRgn);
}

bool copyColorLines(HWND window, const uint32_t *colors, int count)
{
    static char text[colorLinesMost * (copyTextSize + 2)];
    size_t n = 0;
    for (int i = 0; i < count && i < colorLinesMost; i++) {
        if (i)
            text[n++] = '\r', text[n++] = '\n';
        n += strlen(formatColorText(colors[i], copyForm, text + n, copyTextSize));
    }
    text[n] = '\0';
    return copyTextToClipboard(window, text);
}
