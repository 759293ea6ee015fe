// The program started anew for a pick asked for where none ran, as a user
// would start it; it goes on running after the pick, as any start would.
#pragma once
#include <windows.h>

// The command line the start gives it: this program's own path, quoted so
// that the program reads it back whole (a path with blanks, as under
// "Program Files", would otherwise split into words it refuses). False
// where it does not fit in size.
bool ownCommandLine(wchar_t *out, int size);
// The started program's face once it shows; null where it did not start
// or show.
HWND startProgramForPick();
