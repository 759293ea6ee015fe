// The command line's text to its caller: to the standard output or error
// the caller gave (a pipe, a file), else to the console the caller runs
// in, if any. UTF-16 to a console, the UTF-8 text as it is to anything
// else; lines end in LF alone, which PowerShell, cmd's for /f and POSIX
// shells all capture without a trace. The texts a person reads are in the
// language chosen in Tinctora, or Windows'.
#pragma once
#include <windows.h>

#include "texts.h"

// False where nothing took the whole text: none given, closed, a full disk.
bool writeText(DWORD which, const char *text);
// Why nothing was done, as a line "tinctora: ..." on standard error:
// a text, or one already filled in (the texts loaded).
void complain(TextId why);
void complainText(const wchar_t *why);
// The usage, asked for (standard output) or after a word not understood
// (standard error); where the caller gave neither and runs in no console
// (a start from a shortcut or from Explorer), in a message box instead.
bool showUsage(bool asked);
