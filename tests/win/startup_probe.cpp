// The program's own start-up in a process that cannot complete it. Built
// twice: startup_probe_noskin has no resources, so the skin bitmap is
// missing from its module; startup_probe carries them, and with the
// argument "classtaken" registers the window class name first.
#include "app/window.h"

#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR args, int show)
{
    if (!strcmp(args, "classtaken")) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = instance;
        wc.lpszClassName = "tinctoraWin";
        if (!RegisterClassA(&wc))
            return 3;
    }
    return runTinctora(instance, show);
}
