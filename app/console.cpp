#include "console.h"
#include "settings.h"
#include "core/commandline.h"
#include "core/textfill.h"

#include <cstring>
#include <cwchar>

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
    static wchar_t wide[8192];
    widen(text, wide, 8192);
    length = lstrlenW(wide);
    return WriteConsoleW(handle, wide, length, &written, nullptr) && written == length;
}

// The command line needs the texts only for what it says.
static void useLanguage()
{
    static bool loaded;
    if (!loaded) {
        loadLanguageSetting();
        loadTexts();
    }
    loaded = true;
}

void complain(TextId why)
{
    useLanguage();
    complainText(uiText(why));
}

void complainText(const wchar_t *why)
{
    static char line[2048] = "tinctora: ";
    narrow(why, line + 10, sizeof line - 12);
    lstrcatA(line, "\n");
    writeText(STD_ERROR_HANDLE, line);
}

bool showUsage(bool asked)
{
    useLanguage();
    DWORD which = asked ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    // The forms' names, left to right in every language, from where
    // --format reads them; their lines end as the usage's do.
    static char usage[8192];
    char forms[400];
    wchar_t list[400], text[4096];
    const wchar_t *pattern = uiText(textUsage);
    const char *lineEnd = wcsstr(pattern, L"\r\n") ? "\r\n" : "\n";
    const wchar_t *names = widen(copyFormList(forms, sizeof forms, lineEnd), list, ARRAYSIZE(list));
    fillText(text, ARRAYSIZE(text), pattern, &names, 1, false);
    if (standardHandle(which))
        return writeText(which, narrow(text, usage, sizeof usage));
    tellUser(nullptr, text);
    return true;
}
