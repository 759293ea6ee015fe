// What the readers of palette files share: the colours read so far and a
// colour text standing whole. Inside core/ only: the files' own interface
// is palette.h.
#pragma once
#include <cstdint>

#include "textscan.h"

// The colours read so far; beyond room they are dropped.
struct Colors {
    uint32_t *out;
    size_t room, n;
};

inline void addColor(Colors &c, uint32_t color)
{
    if (c.n < c.room)
        c.out[c.n++] = color;
}

// A colour that stands whole from the scan to end, blanks around it, as a
// paste reads it in quotes.
bool wholeColorTo(TextScan s, size_t end, uint32_t &color);

// A JSON palette's colours into c.
void readJson(TextScan s, Colors &c);
