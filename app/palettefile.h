// The History as text and as palette files, and a palette file's colours
// pinned: the History submenu's last items, through the system's Open and
// Save As dialogs. The formats themselves are core/palette.h's.
#pragma once
#include <windows.h>

// "Copy all", "Save palette..." and "Open palette..." at the end of a
// History submenu; the first two greyed while the History is empty.
void appendPaletteItems(HMENU menu);
// A command of those items: done, and true; any other command: false.
bool runPaletteCommand(HWND window, UINT command);
// The file's colours pinned as "Open palette..." pins them, in the format
// its extension names; what did not fit, or could not be read, said.
void openPaletteFile(HWND window, const wchar_t *name);
// The bytes written beside the file under a temporary name, then put in
// its place: a write that fails leaves an older file as it was.
bool replaceFile(const wchar_t *name, const void *bytes, DWORD size);
