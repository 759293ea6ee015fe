// The colours the user took, most recent first, and the colours pinned, in
// the order they were pinned; kept between runs. Platform-free: a colour is
// a 0x00BBGGRR value, and the stored form of a list is a byte array.
#pragma once
#include <cstddef>
#include <cstdint>

const int recentLimit = 20;
const int pinnedLimit = 16;

// Distinct colours with their top byte clear, at most limit of them.
struct ColorList {
    int limit;
    int count;
    uint32_t colors[recentLimit];  // the larger of the two limits
};

extern ColorList recentColors;  // the colours taken, most recent first
extern ColorList pinnedColors;  // the colours pinned, first pinned first

// A colour taken (a copy of the whole colour, a pick, a paste or an entry
// chosen): at the top of the recent ones, once; past the limit the oldest
// falls off. Only the low 24 bits count.
void rememberColor(uint32_t color);
bool isPinned(uint32_t color);
// Pins the colour, or unpins it when it is pinned. A pin beyond the limit
// does nothing.
void togglePin(uint32_t color);
// The recent ones forgotten; the pinned stay.
void clearRecentColors();
// The History as one list, as a palette holds it: the pinned colours in
// their order, then the recent ones that are not pinned; returns how many
// (pinnedLimit + recentLimit at most).
int historyPalette(uint32_t colors[]);
// The colours pinned in their order, each once, those pinned already kept
// where they are, until the pinned colours are full. Tells how many
// distinct colours there were and how many of them are pinned now.
// Reorders colors.
void pinColors(uint32_t *colors, size_t count, size_t &distinct, size_t &pinned);

// The stored form: 4 bytes a colour, 0x00BBGGRR little-endian, in the
// list's order. Reading takes the valid entries in order up to the limit
// and skips the rest: a colour with a top byte, a repeat, a last partial
// entry. Reads no byte past size.
void readColorList(ColorList &list, const uint8_t *bytes, size_t size);
// Writes 4 bytes a colour into out, which holds 4 * recentLimit; returns
// how many.
size_t writeColorList(const ColorList &list, uint8_t *out);
