// The command line's own process: reads the words, asks the running window
// (or, where none runs, the stored settings) and writes the answer to the
// caller's standard output or console.
#pragma once
#include <windows.h>

// The exit status of a command line that asked for something; -1 for a
// start without options, which goes on as the program (with the palette
// file it was given, if any).
int runCommandLine(HINSTANCE instance, int count, const wchar_t *const *words);
