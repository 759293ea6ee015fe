#include "utf8.h"

bool wideToUtf8(const wchar_t *text, char *out, int size)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, out, size, nullptr, nullptr);
    if (!n && size > 0)
        out[0] = '\0';
    return n != 0;
}

static bool toWide(UINT codePage, DWORD flags, const char *text, int length, wchar_t *out,
                   int size)
{
    if (size <= 0)
        return false;
    if (length < 0)
        length = lstrlenA(text);
    int n = length ? MultiByteToWideChar(codePage, flags, text, length, out, size - 1) : 0;
    out[n] = '\0';
    return n || !length;
}

bool utf8ToWide(const char *text, int length, wchar_t *out, int size)
{
    return toWide(CP_UTF8, MB_ERR_INVALID_CHARS, text, length, out, size);
}

bool ansiToUtf8(const char *text, char *out, int size)
{
    wchar_t wide[1024];
    return toWide(CP_ACP, 0, text, -1, wide, 1024) && wideToUtf8(wide, out, size);
}
