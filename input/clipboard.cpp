#include "clipboard.h"
#include "core/colorparse.h"
#include "core/colortext.h"
#include "skin/draw.h"
#include "skin/regions.h"

#include <cstring>

void copyTextToClipboard(HWND window, const char *text)
{
    size_t size = strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, size);
    if (!block)
        return;
    void *p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return;
    }
    memcpy(p, text, size);
    GlobalUnlock(block);
    if (!OpenClipboard(window)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    // Once handed over the block is the system's: never touched again.
    bool handedOver = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!handedOver)
        GlobalFree(block);
}

void pasteFromClipboard(HWND window)
{
    if (OpenClipboard(window)) {
        HANDLE data = GetClipboardData(CF_TEXT);
        const char *text = data ? (const char *)GlobalLock(data) : nullptr;
        if (text) {
            // Another program's block need not end in a zero byte: the
            // parse reads no further than the block.
            applyColorText(text, GlobalSize(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    paintSwatch(window, swatchRgn);
}
