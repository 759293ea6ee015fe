#include "clipboard.h"
#include "core/color.h"
#include "core/colorparse.h"
#include "core/colortext.h"
#include "core/history.h"
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
        rememberColor(curColor);
}

void copyColor(HWND window)
{
    copyColorAs(window, formatCopyText());
}

// A paste's end, whatever the text came from.
static bool endPaste(HWND window, bool set)
{
    if (set)
        rememberColor(curColor);
    paintSwatch(window, swatchRgn);
    return set;
}

bool pasteColorText(HWND window, const char *text, size_t size)
{
    return endPaste(window, applyColorText(text, size));
}

void pasteFromClipboard(HWND window)
{
    bool set = false;
    if (OpenClipboard(window)) {
        HANDLE data = GetClipboardData(CF_TEXT);
        const char *text = data ? (const char *)GlobalLock(data) : nullptr;
        if (text) {
            // Another program's block need not end in a zero byte: the
            // parse reads no further than the block.
            set = applyColorText(text, GlobalSize(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    endPaste(window, set);
}
