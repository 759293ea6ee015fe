#include "sample.h"
#include "rounding.h"

int sampleSize = 1;
int magnifierZoom = defaultZoom;

const int sampleSizes[sampleSizeCount] = {1, 3, 5, 7, 9, 11, 15, 21, 31};

int sampleSizeIndex(int size)
{
    for (int i = 0; i < sampleSizeCount; i++)
        if (sampleSizes[i] == size)
            return i;
    return -1;
}

int sampleSizeFromSetting(uint32_t stored)
{
    return stored <= 31 && sampleSizeIndex((int)stored) >= 0 ? (int)stored : 1;
}

int steppedSampleSize(int size, int steps)
{
    int i = sampleSizeIndex(size) + steps;
    return sampleSizes[i < 0 ? 0 : i >= sampleSizeCount ? sampleSizeCount - 1 : i];
}

int magnifierZoomFromSetting(uint32_t stored)
{
    return stored >= 2 && stored <= 32 && !(stored & (stored - 1)) ? (int)stored : defaultZoom;
}

int zoomedBy(int zoom, int notches)
{
    for (; notches > 0 && zoom < 32; notches--)
        zoom *= 2;
    for (; notches < 0 && zoom > 2; notches++)
        zoom /= 2;
    return zoom;
}

int shownZoom(int zoom, int size)
{
    while (zoom > 2 && (size + 2) * zoom > 3 * 32)
        zoom /= 2;
    return zoom;
}

int magnifierCells(int zoom, int size)
{
    int cells = zoom >= 2 ? (11 * defaultZoom / zoom - 1) | 1 : mostCells;
    return cells < size + 2 ? size + 2 : cells;
}

uint32_t averageSquare(const uint32_t *block, const uint8_t *onScreen, int side, int size)
{
    uint32_t sum[3] = {}, count = 0;
    int from = (side - size) / 2;
    for (int y = from; y < from + size; y++)
        for (int x = from; x < from + size; x++) {
            int i = y * side + x;
            if (!onScreen[i])
                continue;
            for (int c = 0; c < 3; c++)
                sum[c] += block[i] >> (8 * c) & 0xFF;
            count++;
        }
    if (!count)
        return noSample;
    uint32_t mean = 0;
    for (int c = 0; c < 3; c++)
        mean |= (uint32_t)ratioRounded(sum[c], count) << (8 * c);
    return mean;
}
