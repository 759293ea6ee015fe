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
        HANDLE data = GetClipboardData(CF_TEXT);
        const char *text = data ? (const char *)GlobalLock(data) : nullptr;
        if (text) {
            // Another program's block need not end in a zero byte: the
            // parse reads no further than the block.
            read = readColorText(text, GlobalSize(data), color);
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
