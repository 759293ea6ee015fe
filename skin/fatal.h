// The program's one fatal rule: an essential platform call that fails ends
// the process at once with exit status 1, with no message and nothing saved.
#pragma once
#include <windows.h>

[[noreturn]] void fatalFailure();

// GetDC on the window, or the fatal end when there is none.
HDC windowDC(HWND window);
