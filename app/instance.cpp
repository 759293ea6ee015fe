#include "instance.h"

#include <windows.h>

const wchar_t faceClassName[] = L"tinctoraWin";

// Owned while this Tinctora runs, until its settings are saved.
static HANDLE instanceMutex;

// The object signalled, or the mutex ours (the other Tinctora ended, or
// saved at its close).
static bool signalled(HANDLE object, DWORD ms)
{
    DWORD got = WaitForSingleObject(object, ms);
    return got == WAIT_OBJECT_0 || got == WAIT_ABANDONED;
}

HWND waitForFace(HANDLE stop, DWORD ms, bool &ended)
{
    ended = false;
    for (DWORD waited = 0; waited < ms; waited += 50) {
        HWND face = FindWindowW(faceClassName, nullptr);
        if (face && IsWindowVisible(face))
            return face;
        if ((ended = signalled(stop, 50)))
            break;
    }
    return nullptr;
}

// To the top of the window's band, topmost or not. A window that is first
// in the z-order already is raised by the system only over the windows it
// orders itself, and under Wine a native X window may lie over it: one
// step down and back up makes the system stack it above everything. A
// topmost window steps down only behind another topmost one, so that it
// keeps its band.
static void raise(HWND running)
{
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS;
    bool topmost = (GetWindowLongA(running, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    HWND next = GetWindow(running, GW_HWNDNEXT);
    if (!GetWindow(running, GW_HWNDPREV) && next &&
        (!topmost || (GetWindowLongA(next, GWL_EXSTYLE) & WS_EX_TOPMOST)))
        SetWindowPos(running, next, 0, 0, 0, 0, flags | SWP_NOACTIVATE);
    SetWindowPos(running, topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, flags);
}

// The process that calls this may set the foreground: it first lends that
// right to the window's own, whose restore activates the window. All of it
// asynchronous: a hung Tinctora does not hang a second start.
void bringForward(HWND running)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(running, &pid);
    AllowSetForegroundWindow(pid);
    if (IsIconic(running))
        ShowWindowAsync(running, SW_RESTORE);
    raise(running);
    if (!SetForegroundWindow(running)) {
        FLASHWINFO flash = {sizeof flash, running, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
        FlashWindowEx(&flash);
    }
}

HWND findRunningInstance(bool &ours)
{
    // The Local namespace is this session's.
    instanceMutex = CreateMutexA(nullptr, TRUE, "Local\\Tinctora");
    ours = GetLastError() != ERROR_ALREADY_EXISTS;
    if (ours)
        return nullptr;
    // The other may be starting still, or closing: give its window a moment
    // to appear, or the other a moment to end.
    HWND running = waitForFace(instanceMutex, 2000, ours);
    // No window: the other is closing or will not show. Once it has gone
    // this one may start; until then the other still runs.
    if (!running && !ours)
        ours = signalled(instanceMutex, 3000);
    return running;
}

bool handedToRunningInstance()
{
    bool ours;
    HWND running = findRunningInstance(ours);
    if (running)
        bringForward(running);
    return !ours;
}

void leaveInstance()
{
    if (instanceMutex)
        ReleaseMutex(instanceMutex);
}
