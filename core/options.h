// The face's options, kept between runs: always on top, the snap distance,
// the copy after each pick, the pick hotkey and the still screen. Plain
// values below the drawing, the input and the settings, which all read
// them; the window code carries out a change.
#pragma once
#include <cstdint>

extern uint8_t alwyOnTop;    // the always-on-top toggle, 0 or 1
extern int32_t snapTol;      // snap distance in pixels; 0 is off, any other value on
extern uint8_t copyOnPick;   // 1: every pick that ends with a colour copies it
extern uint32_t pickHotkey;  // the global key that starts a pick; 0 for none
extern uint8_t freezeScreen; // 1: every pick begins on a still copy of the screen

// The distance that turning snapping on sets.
const int32_t snapOnTol = 8;

// A hotkey is kept as the standard hotkey control gives it: the virtual
// key in the low byte and the control's modifier flags in the next (Shift
// 0x01, Ctrl 0x02, Alt 0x04, extended key 0x08). The control knows no
// Windows key, so one more flag above those stands for it.
const uint32_t hotkeyShiftFlag = 0x01, hotkeyWinFlag = 0x10;
// Win+Shift+C, the combination colour pickers on Windows use.
const uint32_t defaultPickHotkey = 'C' | (hotkeyShiftFlag | hotkeyWinFlag) << 8;

// Whether a hotkey holds Ctrl, Alt or the Windows key: a key alone, or
// with Shift alone, would start a pick whenever it is typed.
bool hotkeySparesTyping(uint32_t hotkey);
// A stored hotkey as a hotkey: 0 (none) or a key with flags the control
// and the Windows key can show that spares typing; anything else is the
// default.
uint32_t pickHotkeyFromSetting(uint32_t stored);
