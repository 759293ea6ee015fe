// The current colour, its undo partner and the five operations that change
// them. Platform-free: a colour is a 32-bit 0x00BBGGRR value (the Windows
// COLORREF layout) and the repaint after each change is a hook the window
// code connects.
#pragma once
#include <cstdint>

// Channel masks; a channel's unit is its mask ANDed with 0x010101.
const uint32_t redMask = 0x0000FF;
const uint32_t greenMask = 0x00FF00;
const uint32_t blueMask = 0xFF0000;
// The three in channel order, red, green, blue.
extern const uint32_t channelMasks[3];

extern uint32_t curColor;   // the colour shown, copied and pasted
extern uint32_t oldColor;   // the previous colour: undo point and swap partner
extern uint8_t undoArmed;   // while set, a channel step first saves curColor

// Called after every colour operation, changed or not. The window code sets
// it to the swatch repaint; null does nothing.
extern void (*colorChanged)();

void stepChannelUp(uint32_t mask, uint32_t step);
void stepChannelDown(uint32_t mask, uint32_t step);
void lightenColor(uint32_t step);
void darkenColor(uint32_t step);
void swapColors();

// The 0-255 value of one channel of a colour.
uint32_t channelValue(uint32_t color, uint32_t mask);
