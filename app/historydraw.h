// How the History submenu's entries look: each with a swatch of its colour
// where a check mark would be, framed in grey so that white and black show
// on any menu, and drawn as it is also where the entry is highlighted.
// Windows draws its themed entries itself and asks only for the swatch
// (HBMMENU_CALLBACK); under Wine the program draws each entry whole
// (owner-drawn, its text kept in the menu for the digit keys and for
// screen readers), since Wine measures and draws each text of a menu
// through a call back into user32, which made 36 entries cost two frames.
#pragma once
#include <windows.h>
#include <cstdint>

#include "menutext.h"

// As a submenu fills: the swatch's size, the menu's check-mark size for
// the window's DPI, and how entries are drawn.
void startHistoryDrawing(HWND window);
// An entry's item made one the program draws: its type (MIIM_FTYPE, as
// the item has it) made owner-drawn, or its bitmap the program's.
void drawnByProgram(MENUITEMINFOW &info);
// Once the entries are in, their texts as the menu holds them: measured
// once for all, where the program draws them whole.
void measureHistoryEntries(const wchar_t (*texts)[menuItemSize], int count);
// WM_MEASUREITEM's answer for an entry, and WM_DRAWITEM's drawing.
SIZE historyEntrySize();
void drawHistoryEntry(const DRAWITEMSTRUCT &d, int entry, uint32_t color, const wchar_t *text);
