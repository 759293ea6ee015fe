#include "copyall.h"
#include "core/colortext.h"
#include "core/history.h"
#include "input/clipboardtext.h"

#include <cstring>

void copyAllColors(HWND window)
{
    static char text[(pinnedLimit + recentLimit) * (copyTextSize + 2)];
    uint32_t colors[pinnedLimit + recentLimit];
    size_t n = 0;
    for (int i = 0, count = historyPalette(colors); i < count; i++) {
        if (i)
            text[n++] = '\r', text[n++] = '\n';
        n += strlen(formatColorText(colors[i], copyForm, text + n, copyTextSize));
    }
    text[n] = '\0';
    copyTextToClipboard(window, text);
}
