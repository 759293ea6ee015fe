#include "menutext.h"

#include <windows.h>

void menuItemText(const wchar_t *prefix, const wchar_t *text, wchar_t out[menuItemSize])
{
    int n = lstrlenW(lstrcpynW(out, prefix, menuItemSize)), i = 0;
    for (; text[i] && n < menuItemSize - 6; i++) {
        if (text[i] == '&')
            out[n++] = '&';
        out[n++] = text[i];
    }
    lstrcpynW(out + n, text[i] ? L"..." : L"", 4);
}
