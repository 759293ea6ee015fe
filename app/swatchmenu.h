// Menu entries that show a colour's swatch before their text, drawn by the
// program itself: under Wine a popup menu of entries of text, or of text
// and a bitmap, measures and draws each its own slow way and opens a third
// to a half slower. Each entry keeps its text in the menu too, for screen
// readers and the menu's keys.
#pragma once
#include <windows.h>
#include <cstdint>

// A submenu of such entries, filled as it opens: known by the mark in its
// menu data, and never empty (one greyed item) until then, so that it
// opens. swatchMenuMark gives the mark; 0 for any other menu.
HMENU createSwatchMenu(ULONG_PTR mark);
ULONG_PTR swatchMenuMark(HMENU menu);
// An entry at the end of menu: its command, its colour and its text, with
// "&" before its key. An entry made again with the same command replaces
// the one before.
void appendSwatchItem(HWND window, HMENU menu, UINT command, uint32_t color, const wchar_t *text);
// WM_MEASUREITEM and WM_DRAWITEM: true when the item was such an entry.
bool onMeasureItem(HWND window, LPARAM lp);
bool onDrawItem(HWND window, LPARAM lp);
// WM_MENUCHAR: a key that chose no item of the menu, read as the key it
// is on the keyboard, so that Shift with a digit chooses that digit's item
// and a Latin letter's key chooses its item on any layout; 0 where none
// has it, for the default handling.
LRESULT onMenuChar(HWND window, WPARAM wp, LPARAM lp);
// The virtual key (a digit or a capital) of WM_MENUCHAR's character as the
// keyboard's layout types it; 0 for none.
wchar_t menuCharKey(WPARAM wp);
