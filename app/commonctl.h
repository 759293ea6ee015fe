// The common controls (the tooltip, the hotkey control) are loaded at their
// first use: they cost a good share of the start-up under Wine, and many
// sessions never need them.
#pragma once
#include <windows.h>

// The classes asked for (ICC_ flags) registered; false when they cannot be.
bool loadCommonControls(DWORD classes);

// A dialog of the program's shows the program's icon, not the system's
// default one.
void showProgramIcon(HWND dialog);
