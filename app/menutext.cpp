#include "menutext.h"

#include <windows.h>

void menuItemText(const char *prefix, const char *text, char out[menuItemSize])
{
    int n = lstrlenA(lstrcpynA(out, prefix, menuItemSize)), i = 0;
    for (; text[i] && n < menuItemSize - 6; i++) {
        if (text[i] == '&')
            out[n++] = '&';
        out[n++] = text[i];
    }
    lstrcpynA(out + n, text[i] ? "..." : "", 4);
}
