#include "instance.h"

#include <windows.h>

bool handedToRunningInstance()
{
    // Held until the process ends; the Local namespace is this session's.
    CreateMutexA(nullptr, FALSE, "Local\\Tinctora");
    if (GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    // The other may be starting still: give its window a moment to appear.
    HWND running = nullptr;
    for (int i = 0; i < 40 && !running; i++) {
        running = FindWindowA("tinctoraWin", nullptr);
        if (!running)
            Sleep(50);
    }
    if (running) {
        if (IsIconic(running))
            ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
    }
    return true;
}
