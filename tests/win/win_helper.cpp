// A small Windows program the tests run beside Tinctora:
//   idle            keeps the Wine desktop alive for the test session
//   warmup          shows and destroys one window
//   paint RRGGBB X Y W H   shows a plain window of one colour until killed
//   holdclip MS TEXT  opens the clipboard, puts TEXT on it and holds it open
//                     for MS milliseconds
//   settext TEXT    puts TEXT on the clipboard as CF_TEXT
//   winstate TITLE  prints "iconic topmost x y zoomed" of the top window TITLE
//   restore TITLE   restores the minimised window TITLE
//   maximize TITLE  asks the window TITLE to maximise, as any program may
//   broadcast settings|display  sends WM_SETTINGCHANGE (as an installer
//                   does) or WM_DISPLAYCHANGE to every top-level window
//   tooltips        prints the text of each visible tooltip window
//   monitors        prints one line per monitor: "left top right bottom" of its
//                   area, the same of its work area, and 1 if it is the primary
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static LRESULT CALLBACK paintProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_TIMER) {  // keep repainting: whatever later shows through gets drawn
        InvalidateRect(w, nullptr, TRUE);
        return 0;
    }
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

static int paintWindow(int argc, char **argv)
{
    if (argc < 7)
        return 2;
    unsigned long rgb = strtoul(argv[2], nullptr, 16);
    COLORREF color = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = paintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(color);
    wc.lpszClassName = "tinctoraTestPaint";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, "paint", WS_POPUP | WS_VISIBLE, atoi(argv[3]),
                             atoi(argv[4]), atoi(argv[5]), atoi(argv[6]), nullptr, nullptr,
                             wc.hInstance, nullptr);
    if (!w)
        return 1;
    UpdateWindow(w);
    SetTimer(w, 1, 100, nullptr);
    printf("ready\n");
    fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

// Puts text on the clipboard, which the caller has opened, as CF_TEXT.
static bool putText(const char *text)
{
    size_t n = strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
    if (!block)
        return false;
    memcpy(GlobalLock(block), text, n);
    GlobalUnlock(block);
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block))
        return true;
    GlobalFree(block);
    return false;
}

static int setText(const char *text)
{
    if (!OpenClipboard(nullptr))
        return 1;
    bool ok = putText(text);
    CloseClipboard();
    return ok ? 0 : 1;
}

static BOOL CALLBACK printTooltip(HWND w, LPARAM)
{
    char cls[64], text[256];
    // Another process's tooltip tells its text only when asked by message.
    DWORD_PTR got;
    if (IsWindowVisible(w) && GetClassNameA(w, cls, sizeof cls) && !strcmp(cls, "tooltips_class32") &&
        SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &got))
        printf("%s\n", text);
    return TRUE;
}

static BOOL CALLBACK printMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (!GetMonitorInfoA(monitor, &mi))
        return FALSE;
    const RECT &r = mi.rcMonitor, &w = mi.rcWork;
    printf("%ld %ld %ld %ld %ld %ld %ld %ld %d\n", r.left, r.top, r.right, r.bottom, w.left, w.top,
           w.right, w.bottom, (mi.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
    return TRUE;
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    if (!strcmp(argv[1], "idle")) {
        for (;;)
            Sleep(60000);
    }
    if (!strcmp(argv[1], "warmup")) {
        // One window made and gone, so the desktop process is up before
        // the tests start timing anything.
        HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 8, 8, nullptr,
                                 nullptr, nullptr, nullptr);
        DestroyWindow(w);
        return w ? 0 : 1;
    }
    if (!strcmp(argv[1], "paint"))
        return paintWindow(argc, argv);
    if (!strcmp(argv[1], "holdclip") && argc > 3) {
        // Another program's clipboard session: its own text put on, then
        // the clipboard kept open. Retries the opening for a while, since
        // the tests may be reading the clipboard themselves just then.
        bool open = false;
        for (int i = 0; i < 250 && !(open = OpenClipboard(nullptr)); i++)
            Sleep(20);
        if (!open)
            return 1;
        putText(argv[3]);
        printf("holding\n");
        fflush(stdout);
        Sleep(atoi(argv[2]));
        CloseClipboard();
        return 0;
    }
    if (!strcmp(argv[1], "settext") && argc > 2)
        return setText(argv[2]);
    if (!strcmp(argv[1], "restore") && argc > 2) {
        ShowWindow(FindWindowA(nullptr, argv[2]), SW_RESTORE);
        return 0;
    }
    if ((!strcmp(argv[1], "maximize") || !strcmp(argv[1], "minimize")) && argc > 2) {
        ShowWindow(FindWindowA(nullptr, argv[2]), argv[1][1] == 'a' ? SW_MAXIMIZE : SW_MINIMIZE);
        return 0;
    }
    if (!strcmp(argv[1], "broadcast") && argc > 2) {
        DWORD_PTR result;
        bool display = !strcmp(argv[2], "display");
        WPARAM wp = display ? 32 : 0;
        LPARAM lp = display ? MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))
                            : (LPARAM) "Environment";
        return SendMessageTimeoutA(HWND_BROADCAST, display ? WM_DISPLAYCHANGE : WM_SETTINGCHANGE,
                                   wp, lp, SMTO_ABORTIFHUNG, 5000, &result) ? 0 : 1;
    }
    if (!strcmp(argv[1], "winstate") && argc > 2) {
        HWND w = FindWindowA(nullptr, argv[2]);
        if (!w)
            return 1;
        RECT r;
        GetWindowRect(w, &r);
        printf("%d %d %ld %ld %d\n", IsIconic(w) ? 1 : 0,
               (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0, r.left, r.top,
               IsZoomed(w) ? 1 : 0);
        return 0;
    }
    if (!strcmp(argv[1], "tooltips"))
        return EnumWindows(printTooltip, 0) ? 0 : 1;
    if (!strcmp(argv[1], "monitors"))
        return EnumDisplayMonitors(nullptr, nullptr, printMonitor, 0) ? 0 : 1;
    return 2;
}
