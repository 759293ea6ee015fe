#include "fatal.h"

#include <cstdlib>

void fatalFailure()
{
    exit(1);
}

HDC windowDC(HWND window)
{
    HDC dc = GetDC(window);
    if (!dc)
        fatalFailure();
    return dc;
}
