#include "clipboardtext.h"

// The text, UTF-8, goes as Unicode: a template's characters of any script
// arrive whole, and the system makes the ANSI text for the programs that
// ask for that.
bool copyTextToClipboard(HWND window, const char *text)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    HGLOBAL block = length ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE,
                                         length * sizeof(wchar_t))
                           : nullptr;
    if (!block)
        return false;
    void *p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return false;
    }
    MultiByteToWideChar(CP_UTF8, 0, text, -1, (wchar_t *)p, length);
    GlobalUnlock(block);
    if (!OpenClipboard(window)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    // Once handed over the block is the system's: never touched again.
    bool handedOver = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    if (!handedOver)
        GlobalFree(block);
    return handedOver;
}
