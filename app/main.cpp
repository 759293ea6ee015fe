#include "commandline.h"
#include "window.h"

#include <cstdlib>

// Options come first: a command line that asks for something is answered
// and ends; the program runs only where none was given.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    int status = runCommandLine(instance, __argc - 1, (const char *const *)__argv + 1);
    return status >= 0 ? status : runTinctora(instance, show);
}
