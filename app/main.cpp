#include "commandline.h"
#include "window.h"

#include <cstdlib>

// Options come first: a command line that asks for something is answered
// and ends; the program runs only where none was given.
// The words in the wide API, so that a template in any script arrives whole.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show)
{
    int status = runCommandLine(instance, __argc - 1, (const wchar_t *const *)__wargv + 1);
    return status >= 0 ? status : runTinctora(instance, show);
}
