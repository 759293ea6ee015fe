#include "history.h"

#include <cstdlib>
#include <cstring>

ColorList recentColors = {recentLimit, 0, {}};
ColorList pinnedColors = {pinnedLimit, 0, {}};

static int indexOf(const ColorList &list, uint32_t color)
{
    for (int i = 0; i < list.count; i++)
        if (list.colors[i] == color)
            return i;
    return -1;
}

void rememberColor(uint32_t color)
{
    color &= 0xFFFFFF;
    ColorList &list = recentColors;
    int at = indexOf(list, color);
    if (at < 0)
        at = list.count < list.limit ? list.count++ : list.limit - 1;
    memmove(list.colors + 1, list.colors, at * sizeof list.colors[0]);
    list.colors[0] = color;
}

bool isPinned(uint32_t color)
{
    return indexOf(pinnedColors, color & 0xFFFFFF) >= 0;
}

void togglePin(uint32_t color)
{
    color &= 0xFFFFFF;
    ColorList &list = pinnedColors;
    int at = indexOf(list, color);
    if (at >= 0) {
        list.count--;
        memmove(list.colors + at, list.colors + at + 1, (list.count - at) * sizeof list.colors[0]);
    } else if (list.count < list.limit) {
        list.colors[list.count++] = color;
    }
}

void clearRecentColors()
{
    recentColors.count = 0;
}

int historyPalette(uint32_t colors[])
{
    int n = 0;
    for (int i = 0; i < pinnedColors.count; i++)
        colors[n++] = pinnedColors.colors[i];
    for (int i = 0; i < recentColors.count; i++)
        if (!isPinned(recentColors.colors[i]))
            colors[n++] = recentColors.colors[i];
    return n;
}

static int compareColors(const void *a, const void *b)
{
    uint32_t x = *(const uint32_t *)a, y = *(const uint32_t *)b;
    return x < y ? -1 : x > y;
}

void pinColors(uint32_t *colors, size_t count, size_t &distinct, size_t &pinned)
{
    for (size_t i = 0; i < count; i++)
        if (!isPinned(colors[i]) && pinnedColors.count < pinnedLimit)
            togglePin(colors[i]);
    qsort(colors, count, sizeof *colors, compareColors);
    distinct = pinned = 0;
    for (size_t i = 0; i < count; i++)
        if (!i || colors[i] != colors[i - 1]) {
            distinct++;
            pinned += isPinned(colors[i]);
        }
}

void readColorList(ColorList &list, const uint8_t *bytes, size_t size)
{
    list.count = 0;
    for (size_t at = 0; size - at >= 4 && list.count < list.limit; at += 4) {
        const uint8_t *b = bytes + at;
        uint32_t color = b[0] | b[1] << 8 | b[2] << 16 | (uint32_t)b[3] << 24;
        if (color <= 0xFFFFFF && indexOf(list, color) < 0)
            list.colors[list.count++] = color;
    }
}

size_t writeColorList(const ColorList &list, uint8_t *out)
{
    for (int i = 0; i < list.count; i++)
        for (int k = 0; k < 4; k++)
            out[4 * i + k] = (uint8_t)(list.colors[i] >> 8 * k);
    return 4 * (size_t)list.count;
}
