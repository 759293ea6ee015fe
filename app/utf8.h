// Text between UTF-8, which the command line's words, requests and
// answers carry, and the system's UTF-16 and ANSI code page. Each is
// false, out left empty, for a text that does not fit in size units or,
// from UTF-8, is not UTF-8.
#pragma once
#include <windows.h>

bool wideToUtf8(const wchar_t *text, char *out, int size);
// length bytes of text, or up to its zero byte for -1.
bool utf8ToWide(const char *text, int length, wchar_t *out, int size);
bool ansiToUtf8(const char *text, char *out, int size);
