#include "console.h"
#include "utf8.h"
#include "core/commandline.h"

#include <cstring>

// A process of the windows subsystem gets a standard handle only where the
// caller redirected it; otherwise the text goes to the console of the
// caller, if it has one.
static HANDLE standardHandle(DWORD which)
{
    HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        return handle;
    static HANDLE console;
    if (!console && AttachConsole(ATTACH_PARENT_PROCESS))
        console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    return console != INVALID_HANDLE_VALUE ? console : nullptr;
}

bool writeText(DWORD which, const char *text)
{
    HANDLE handle = standardHandle(which);
    DWORD length = (DWORD)strlen(text), written = 0, mode;
    if (!handle)
        return false;
    if (!GetConsoleMode(handle, &mode))
        return WriteFile(handle, text, length, &written, nullptr) && written == length;
    static wchar_t wide[4096];
    return utf8ToWide(text, (int)length, wide, 4096) &&
           WriteConsoleW(handle, wide, length = lstrlenW(wide), &written, nullptr) &&
           written == length;
}

bool showUsage(bool asked)
{
    DWORD which = asked ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    if (standardHandle(which))
        return writeText(which, commandUsage);
    return MessageBoxA(nullptr, commandUsage, "Tinctora",
                       MB_OK | (asked ? MB_ICONINFORMATION : MB_ICONEXCLAMATION)) != 0;
}
