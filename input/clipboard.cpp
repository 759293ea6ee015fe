#include "clipboard.h"
#include "taking.h"
#include "core/color.h"
#include "core/colorparse.h"
#include "core/colortext.h"
#include "skin/draw.h"
#include "skin/regions.h"

#include <cstring>

bool copyTextToClipboard(HWND window, const char *text)
{
    size_t size = strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, size);
    if (!block)
        return false;
    void *p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return false;
    }
    memcpy(p, text, size);
    GlobalUnlock(block);
    if (!OpenClipboard(window)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    // Once handed over the block is the system's: never touched again.
    bool handedOver = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!handedOver)
        GlobalFree(block);
    return handedOver;
}

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
