#include "programstart.h"
#include "instance.h"
#include "texts.h"
#include "core/commandline.h"

const DWORD startWaitMs = 10000;

bool ownCommandLine(wchar_t *out, int size)
{
    wchar_t path[MAX_PATH];
    char utf8[3 * MAX_PATH], quoted[6 * MAX_PATH + 3];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return n && n < MAX_PATH && narrow(path, utf8, sizeof utf8) &&
           quoteCommandWord(utf8, quoted, sizeof quoted) && widen(quoted, out, size) &&
           lstrlenW(out) < size - 1;
}

HWND startProgramForPick()
{
    wchar_t path[MAX_PATH], line[2 * MAX_PATH + 3];
    if (!GetModuleFileNameW(nullptr, path, MAX_PATH) || !ownCommandLine(line, 2 * MAX_PATH + 3))
        return nullptr;
    // None of this process's standard handles: the caller's pipe must
    // close when this process ends, not when the program does.
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION started;
    if (!CreateProcessW(path, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        &started))
        return nullptr;
    AllowSetForegroundWindow(started.dwProcessId);
    CloseHandle(started.hThread);
    bool ended;
    HWND running = waitForFace(started.hProcess, startWaitMs, ended);
    CloseHandle(started.hProcess);
    return running;
}
