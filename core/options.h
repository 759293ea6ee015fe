// The face's two options, kept between runs: always on top and the snap
// distance. Plain values below the drawing, the input and the settings,
// which all read them; the window code carries out a change.
#pragma once
#include <cstdint>

extern uint8_t alwyOnTop;  // the always-on-top toggle, 0 or 1
extern int32_t snapTol;    // snap distance in pixels; 0 is off, any other value on

// The distance that turning snapping on sets.
const int32_t snapOnTol = 8;
