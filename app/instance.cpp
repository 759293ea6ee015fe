#include "instance.h"

#include <windows.h>

// Owned while this Tinctora runs, until its settings are saved.
static HANDLE instanceMutex;

// The mutex ours: the other Tinctora ended, or saved at its close.
static bool takeMutex(DWORD ms)
{
    DWORD got = WaitForSingleObject(instanceMutex, ms);
    return got == WAIT_OBJECT_0 || got == WAIT_ABANDONED;
}

bool handedToRunningInstance()
{
    // The Local namespace is this session's.
    instanceMutex = CreateMutexA(nullptr, TRUE, "Local\\Tinctora");
    if (GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    // The other may be starting still, or closing: give its window a moment
    // to appear, or the other a moment to end.
    for (int i = 0; i < 40; i++) {
        if (takeMutex(0))
            return false;
        HWND running = FindWindowA("tinctoraWin", nullptr);
        if (running && IsWindowVisible(running)) {
            // Asynchronous: a hung Tinctora does not hang this one.
            if (IsIconic(running))
                ShowWindowAsync(running, SW_RESTORE);
            SetForegroundWindow(running);
            return true;
        }
        Sleep(50);
    }
    // No window to bring forward: the other is closing or will not show.
    // Once it has gone this one starts; until then the other still runs.
    return !takeMutex(3000);
}

void leaveInstance()
{
    if (instanceMutex)
        ReleaseMutex(instanceMutex);
}
