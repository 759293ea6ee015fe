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
//   minimize TITLE  minimises the window TITLE
//   clip image|empty  puts a small bitmap on the clipboard, or empties it
//   cliptext        prints the clipboard's CF_TEXT, or nothing without one
//   clipseq         prints the clipboard's sequence number, opening nothing
//   regset NAME N   sets the program's REG_DWORD value NAME to N
//   regclear        deletes the program's registry key
//   act CHILD       runs the default action of control CHILD (1-17) of the
//                   program's face, through its accessible object
//   state           prints "name=value" pairs of the program's window: the
//                   count of visible windows titled Tinctora, its place and
//                   state, whether it answers within 2 s, its process's GDI
//                   objects and windows, whether its magnifier or a tooltip
//                   shows, the focused control and its place, and snapping
//   serve           takes commands like these one a line, words split by
//                   tabs, and ends each answer with a line "."
//   broadcast settings|display  sends WM_SETTINGCHANGE (as an installer
//                   does) or WM_DISPLAYCHANGE to every top-level window
//   tooltips        prints the text of each visible tooltip window
//   words           prints in UTF-8, one a line: the program's window menu
//                   as the menu API reads it (Wine reads no other process's
//                   menu), each submenu's items after its own ("  " before
//                   them), "-", the accessible name and description of each
//                   control, "-", each visible tooltip's text, "rtl " before
//                   one laid out right to left
//   dialog TITLE [CLASS]  prints the text of each control of the dialog
//                   TITLE (or of the window of that class, as Notepad's)
//   monitors        prints one line per monitor: "left top right bottom" of its
//                   area, the same of its work area, and 1 if it is the primary
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

// Another process's tooltip or control tells its text only when asked by
// message.
static BOOL CALLBACK printText(HWND w, LPARAM)
{
    char text[256];
    DWORD_PTR got;
    if (SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &got))
        printf("%s\n", text);
    return TRUE;
}

static BOOL CALLBACK printTooltip(HWND w, LPARAM)
{
    char cls[64];
    return !IsWindowVisible(w) || !GetClassNameA(w, cls, sizeof cls) ||
           strcmp(cls, "tooltips_class32") || printText(w, 0);
}

static void printUtf8(const wchar_t *prefix, const wchar_t *text)
{
    char bytes[2048];
    std::wstring line = std::wstring(prefix) + text;
    bytes[WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes, sizeof bytes - 1, nullptr,
                              nullptr)] = 0;
    printf("%s\n", bytes);
}

static void printMenu(HMENU menu, const wchar_t *indent)
{
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        wchar_t text[256] = L"";
        GetMenuStringW(menu, i, text, 256, MF_BYPOSITION);
        printUtf8(indent, text);
        if (GetSubMenu(menu, i))
            printMenu(GetSubMenu(menu, i), L"  ");
    }
}

static BOOL CALLBACK printWideTooltip(HWND w, LPARAM)
{
    wchar_t cls[64], text[1024] = L"";
    if (IsWindowVisible(w) && GetClassNameW(w, cls, 64) && !lstrcmpW(cls, L"tooltips_class32")) {
        DWORD_PTR got;
        SendMessageTimeoutW(w, WM_GETTEXT, 1024, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &got);
        printUtf8(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYOUTRTL ? L"rtl " : L"", text);
    }
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


// The program's main window, null when none runs.
static HWND programWindow()
{
    return FindWindowA("tinctoraWin", nullptr);
}

static BOOL CALLBACK countTitled(HWND w, LPARAM data)
{
    char title[16];
    if (IsWindowVisible(w) && GetWindowTextA(w, title, sizeof title) && !strcmp(title, "Tinctora"))
        ++*(int *)data;
    return TRUE;
}

// The windows of one process, and which of them show.
struct Windows {
    DWORD pid;
    int all, magnifier, tooltip;
};

static BOOL CALLBACK countChild(HWND, LPARAM data)
{
    ((Windows *)data)->all++;
    return TRUE;
}

static BOOL CALLBACK countOwn(HWND w, LPARAM data)
{
    Windows &c = *(Windows *)data;
    DWORD pid;
    GetWindowThreadProcessId(w, &pid);
    if (pid != c.pid)
        return TRUE;
    c.all++;
    EnumChildWindows(w, countChild, data);
    char cls[64];
    if (IsWindowVisible(w) && GetClassNameA(w, cls, sizeof cls)) {
        c.magnifier += !strcmp(cls, "tinctoraMagnifier");
        c.tooltip += !strcmp(cls, "tooltips_class32");
    }
    return TRUE;
}

// The live GDI objects of another process. GetGuiResources answers 0 under
// Wine, which keeps each process's handle table in the process's own memory,
// found through its PEB as Windows' shared table is: an entry of 24 bytes
// whose byte 14, its type, is 0 while the entry is free.
static long gdiObjects(HANDLE process)
{
    if (DWORD n = GetGuiResources(process, GR_GDIOBJECTS))
        return (long)n;
    typedef LONG(WINAPI * Query)(HANDLE, int, void *, ULONG, ULONG *);
    Query query = (Query)(void *)GetProcAddress(GetModuleHandleA("ntdll.dll"),
                                                "NtQueryInformationProcess");
    void *info[6] = {};  // PROCESS_BASIC_INFORMATION: the PEB's address second
    char *table = nullptr;
    SIZE_T got;
    const size_t entries = 0x10000, entrySize = 24;
    if (!query || query(process, 0, info, sizeof info, nullptr) ||
        !ReadProcessMemory(process, (char *)info[1] + (sizeof(void *) == 8 ? 0xF8 : 0x94), &table,
                           sizeof table, &got) || !table)
        return -1;
    static unsigned char copy[entries * entrySize];
    if (!ReadProcessMemory(process, table, copy, sizeof copy, &got))
        return -1;
    long live = 0;
    for (size_t i = 0; i < entries; i++)
        live += copy[i * entrySize + 14] != 0;
    return live;
}

static IAccessible *faceObject(HWND w)
{
    // Spelt out: mingw's IID_IAccessible is an import stub, not the GUID.
    static const IID accessible = {0x618736e0, 0x3c3d, 0x11cf,
                                   {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    IAccessible *face = nullptr;
    if (AccessibleObjectFromWindow(w, OBJID_CLIENT, accessible, (void **)&face) != S_OK)
        return nullptr;
    return face;
}

static VARIANT childVar(LONG id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

static int printWords()
{
    HWND w = programWindow();
    IAccessible *face = w ? faceObject(w) : nullptr;
    if (!face)
        return 1;
    printMenu(GetSystemMenu(w, FALSE), L"");
    printf("-\n");
    for (LONG child = 1; child <= 17; child++) {
        BSTR name = nullptr, description = nullptr;
        face->get_accName(childVar(child), &name);
        face->get_accDescription(childVar(child), &description);
        printUtf8(name ? name : L"", L"");
        printUtf8(description ? description : L"", L"");
        SysFreeString(name);
        SysFreeString(description);
    }
    face->Release();
    printf("-\n");
    return EnumWindows(printWideTooltip, 0) ? 0 : 1;
}

static int printState()
{
    int titled = 0;
    EnumWindows(countTitled, (LPARAM)&titled);
    printf("windows=%d", titled);
    HWND w = programWindow();
    if (!w) {
        printf("\n");
        return 0;
    }
    RECT r = {};
    GetWindowRect(w, &r);
    DWORD_PTR result;
    bool answers = SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
    Windows own = {0, 0, 0, 0};
    GetWindowThreadProcessId(w, &own.pid);
    EnumWindows(countOwn, (LPARAM)&own);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, own.pid);
    long gdi = process ? gdiObjects(process) : -1;
    if (process)
        CloseHandle(process);
    printf(" iconic=%d zoomed=%d topmost=%d x=%ld y=%ld width=%ld height=%ld answers=%d gdi=%ld"
           " user=%d magnifier=%d tooltip=%d",
           IsIconic(w) ? 1 : 0, IsZoomed(w) ? 1 : 0,
           (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0, r.left, r.top,
           r.right - r.left, r.bottom - r.top, answers ? 1 : 0, gdi, own.all, own.magnifier,
           own.tooltip);
    // The focused control and whether snapping is on, as assistive
    // technology learns them; asked only of a window that answers.
    IAccessible *face = answers ? faceObject(w) : nullptr;
    if (face) {
        VARIANT focus, state;
        VariantInit(&focus);
        VariantInit(&state);
        LONG fx = 0, fy = 0, fw = 0, fh = 0;
        if (face->get_accFocus(&focus) == S_OK && focus.vt == VT_I4 && focus.lVal > 0)
            face->accLocation(&fx, &fy, &fw, &fh, focus);
        face->get_accState(childVar(1), &state);
        printf(" focus=%ld fx=%ld fy=%ld fwidth=%ld fheight=%ld snap=%d",
               focus.vt == VT_I4 ? focus.lVal : 0, fx, fy, fw, fh,
               state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_CHECKED) ? 1 : 0);
        face->Release();
    }
    printf("\n");
    return 0;
}

static int defaultAction(LONG child)
{
    HWND w = programWindow();
    IAccessible *face = w ? faceObject(w) : nullptr;
    if (!face)
        return 1;
    HRESULT hr = face->accDoDefaultAction(childVar(child));
    face->Release();
    return hr == S_OK ? 0 : 1;
}

static int setClipboard(const char *what)
{
    if (!OpenClipboard(nullptr))
        return 1;
    EmptyClipboard();
    if (!strcmp(what, "image")) {
        HDC screen = GetDC(nullptr);
        SetClipboardData(CF_BITMAP, CreateCompatibleBitmap(screen, 16, 16));
        ReleaseDC(nullptr, screen);
    }
    CloseClipboard();
    return 0;
}

static int printClipboardText()
{
    if (!OpenClipboard(nullptr))
        return 1;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char *text = data ? (const char *)GlobalLock(data) : nullptr;
    if (text) {
        printf("%s\n", text);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 0;
}

static const char programKey[] = "Software\\Arvex\\Tinctora";

static int setRegistry(const char *name, const char *value)
{
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, programKey, &key) != ERROR_SUCCESS)
        return 1;
    DWORD n = strtoul(value, nullptr, 0);
    LONG status = RegSetValueExA(key, name, 0, REG_DWORD, (const BYTE *)&n, sizeof n);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 0 : 1;
}

static int command(int argc, char **argv);

// Commands from standard input, so that a caller asking often pays for one
// start of a Windows process, not one per question.
static int serve()
{
    CoInitialize(nullptr);
    char line[4096];
    while (fgets(line, sizeof line, stdin)) {
        char *args[16] = {(char *)"win_helper"};
        int n = 1;
        for (char *word = strtok(line, "\t\r\n"); word && n < 16; word = strtok(nullptr, "\t\r\n"))
            args[n++] = word;
        int status = n > 1 ? command(n, args) : 2;
        printf("status=%d\n.\n", status);
        fflush(stdout);
    }
    return 0;
}

static int command(int argc, char **argv)
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
    if (!strcmp(argv[1], "clip") && argc > 2)
        return setClipboard(argv[2]);
    if (!strcmp(argv[1], "cliptext"))
        return printClipboardText();
    if (!strcmp(argv[1], "clipseq")) {
        printf("%lu\n", GetClipboardSequenceNumber());
        return 0;
    }
    if (!strcmp(argv[1], "regset") && argc > 3)
        return setRegistry(argv[2], argv[3]);
    if (!strcmp(argv[1], "regclear")) {
        RegDeleteKeyA(HKEY_CURRENT_USER, programKey);
        return 0;
    }
    if (!strcmp(argv[1], "act") && argc > 2)
        return defaultAction(atol(argv[2]));
    if (!strcmp(argv[1], "state"))
        return printState();
    if (!strcmp(argv[1], "serve"))
        return serve();
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
    if (!strcmp(argv[1], "words"))
        return printWords();
    if (!strcmp(argv[1], "tooltips"))
        return EnumWindows(printTooltip, 0) ? 0 : 1;
    if (!strcmp(argv[1], "dialog") && argc > 2) {
        HWND dialog = FindWindowA(argc > 3 ? argv[3] : "#32770", argv[2]);
        return dialog ? (EnumChildWindows(dialog, printText, 0), 0) : 1;
    }
    if (!strcmp(argv[1], "monitors"))
        return EnumDisplayMonitors(nullptr, nullptr, printMonitor, 0) ? 0 : 1;
    return 2;
}

int main(int argc, char **argv)
{
    if (argc > 1 && (!strcmp(argv[1], "act") || !strcmp(argv[1], "words")))
        CoInitialize(nullptr);
    return command(argc, argv);
}
