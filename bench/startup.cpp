// Start-up and memory: the real tinctora.exe and the empty popup, each
// launched as a process of its own. The launcher watches the screen, so
// neither program is changed to report anything: a start is over when the
// whole face (or the whole popup) stands on the screen.
#include "bench.h"
#include "app/settings.h"
#include "skin/layout.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

const int startRounds = 11;
const int memoryEvents = 10000;

// The colour the program starts with, so its swatch cannot be mistaken
// for whatever the screen showed before.
const COLORREF startColor = RGB(0xC8, 0x8C, 0x40);
const COLORREF textColor = RGB(10, 10, 10);

struct Program {
    const char *file;  // relative to the bench program's folder
    const char *windowClass;
    bool (*shown)(const DWORD *screen);
    DWORD dpi;  // the display scale it starts at, as LogPixels
    const wchar_t *language;  // the language chosen, or null for Windows' (English here)
};

// The face area of the screen at up to twice the scale, top-left first, as
// 0x00RRGGBB; the skin at its own size.
const int areaWidth = 2 * faceWidth, areaHeight = 2 * faceHeight;
static DWORD screenArea[areaWidth * areaHeight];
static DWORD skinArea[faceWidth * faceHeight];

// An area at the top-left of a context.
static void copyToDib(HDC from, DWORD *out, int width, int height)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void *bits;
    HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    BitBlt(dc, 0, 0, width, height, from, 0, 0, SRCCOPY);
    GdiFlush();
    memcpy(out, bits, sizeof(DWORD) * width * height);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
}

static void captureScreen()
{
    HDC screen = GetDC(nullptr);
    copyToDib(screen, screenArea, areaWidth, areaHeight);
    ReleaseDC(nullptr, screen);
}

static DWORD asDibPixel(COLORREF c)
{
    return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

static bool inArea(AreaId id, int x, int y)
{
    return rectHolds(faceAreas[id], x, y);
}

// Whole face at scale k: the skin's normal frame wherever nothing is drawn
// over it (the toggles, the swatch and the readouts are), the swatch in the
// start colour, and text in the hexadecimal readout, the last thing painted.
// Each face pixel is read at the top-left of its k by k block.
static bool faceShownAt(const DWORD *screen, int k)
{
    bool text = false;
    for (int y = 0; y < faceHeight * k; y++)
        for (int x = 0; x < faceWidth * k; x++) {
            DWORD got = screen[y * areaWidth + x];
            int fx = x / k, fy = y / k;
            if (inArea(swatchId, fx, fy)) {
                if (got != asDibPixel(startColor))
                    return false;
            } else if (fy >= 68 && fy < 122 && fx >= 17 && fx < 67) {  // readouts and texts
                text = text || (fy >= 110 && got == asDibPixel(textColor));
            } else if (outlineHolds(fx, fy) && !inArea(snapId, fx, fy) && !inArea(topId, fx, fy) &&
                       got != skinArea[fy * faceWidth + fx]) {
                return false;
            }
        }
    return text;
}

static bool faceShown(const DWORD *screen)
{
    return faceShownAt(screen, 1);
}

static bool scaledFaceShown(const DWORD *screen)
{
    return faceShownAt(screen, 2);
}

static bool popupShown(const DWORD *screen)
{
    for (int y = 0; y < faceHeight; y++)
        for (int x = 0; x < faceWidth; x++)
            if (screen[y * areaWidth + x] != asDibPixel(popupColor))
                return false;
    return true;
}

static const Program tinctora = {"..\\tinctora.exe", "tinctoraWin", faceShown, 96, nullptr};
static const Program tinctora192 = {"..\\tinctora.exe", "tinctoraWin", scaledFaceShown, 192,
                                    nullptr};
static const Program popup = {"bench_popup.exe", "benchPopup", popupShown, 96, nullptr};
// In the languages of other scripts and directions, whose texts are
// converted as the program starts.
static const Program inLanguage[3] = {
    {"..\\tinctora.exe", "tinctoraWin", faceShown, 96, L"de"},
    {"..\\tinctora.exe", "tinctoraWin", faceShown, 96, L"ja"},
    {"..\\tinctora.exe", "tinctoraWin", faceShown, 96, L"ar"},
};

static void loadSkinArea()
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, LoadBitmapA(GetModuleHandleA(nullptr), "TINCTORA_SKIN"));
    copyToDib(dc, skinArea, faceWidth, faceHeight);
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

// The program's settings at each start: the top-left corner and the start
// colour, the rest as on a first run; and the display scale it reads as it
// starts (Wine takes LogPixels once per process, so this one keeps 96).
static void presetSettings(DWORD dpi, const wchar_t *language = nullptr)
{
    HKEY desktop;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop) == ERROR_SUCCESS) {
        RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, (const BYTE *)&dpi, sizeof dpi);
        RegCloseKey(desktop);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKey);
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, settingsKey, &key) != ERROR_SUCCESS)
        return;
    DWORD zero = 0, color = startColor;
    RegSetValueExA(key, "xPos", 0, REG_DWORD, (const BYTE *)&zero, sizeof zero);
    RegSetValueExA(key, "yPos", 0, REG_DWORD, (const BYTE *)&zero, sizeof zero);
    RegSetValueExA(key, "curColor", 0, REG_DWORD, (const BYTE *)&color, sizeof color);
    if (language)
        RegSetValueExW(key, L"language", 0, REG_SZ, (const BYTE *)language,
                       (lstrlenW(language) + 1) * sizeof(wchar_t));
    RegCloseKey(key);
}

// Waits until the screen no longer shows the program, which a window
// closed a moment ago may still do.
static bool screenClear(const Program &p)
{
    for (int i = 0; i < 500; i++) {
        captureScreen();
        if (!p.shown(screenArea))
            return true;
        Sleep(10);
    }
    return false;
}

// Starts the program and returns the microseconds from the call that
// creates its process to the first screen capture that shows it; below 0
// when it never shows.
static double launch(const Program &p, PROCESS_INFORMATION &pi)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    strcpy(strrchr(path, '\\') + 1, p.file);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    presetSettings(p.dpi, p.language);
    if (!screenClear(p))
        return -1;
    double t0 = nowMicroseconds();
    if (!CreateProcessA(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    while (nowMicroseconds() - t0 < 20e6) {
        captureScreen();
        if (p.shown(screenArea))
            return nowMicroseconds() - t0;
        Sleep(1);
    }
    return -1;
}

static HWND windowOf(const Program &p, const PROCESS_INFORMATION &pi)
{
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, p.windowClass, nullptr));) {
        DWORD pid;
        GetWindowThreadProcessId(w, &pid);
        if (pid == pi.dwProcessId)
            return w;
    }
    return nullptr;
}

// Closes the window the way Alt+F4 does and waits for the process to end.
static void finish(const Program &p, PROCESS_INFORMATION &pi)
{
    PostMessageA(windowOf(p, pi), WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

int runStartupBench()
{
    loadSkinArea();
    std::vector<double> ours, base, scaled, languages[3];
    // Round -1 warms the file cache. They take turns in going first, and
    // each start waits until the last process has been gone a while.
    for (int r = -1; r < startRounds; r++) {
        const Program *order[6] = {&popup, &tinctora, &tinctora192, &inLanguage[0],
                                   &inLanguage[1], &inLanguage[2]};
        std::rotate(order, order + (r + 6) % 6, order + 6);
        for (const Program *p : order) {
            PROCESS_INFORMATION pi;
            double t = launch(*p, pi);
            if (t < 0) {
                fprintf(stderr, "startup: %s at %lu dpi did not show\n", p->file, p->dpi);
                presetSettings(96);
                return 1;
            }
            finish(*p, pi);
            Sleep(300);
            if (r >= 0 && p->language)
                languages[p - inLanguage].push_back(t / 1000);
            else if (r >= 0)
                (p == &tinctora ? ours : p == &popup ? base : scaled).push_back(t / 1000);
        }
    }
    presetSettings(96);
    printRatioRow("start-up to first full paint", median(ours), median(base), "ms", 1.2);
    printRatioRow("start-up at 192 dpi, against 96 dpi", median(scaled), median(ours), "ms", 1.3);
    const char *names[3] = {"German", "Japanese", "Arabic"};
    for (int i = 0; i < 3; i++) {
        char row[64];
        snprintf(row, sizeof row, "start-up in %s, against English", names[i]);
        printRatioRow(row, median(languages[i]), median(ours), "ms", 1.05);
    }
    return 0;
}

static BOOL CALLBACK findTooltip(HWND w, LPARAM process)
{
    DWORD owner = 0;
    char cls[32];
    GetWindowThreadProcessId(w, &owner);
    if (owner == (DWORD)process && IsWindowVisible(w) && GetClassNameA(w, cls, sizeof cls) &&
        !strcmp(cls, "tooltips_class32")) {
        SetLastError(0);
        return FALSE;
    }
    return TRUE;
}

// Rests the pointer on the red readout until the process shows a tooltip,
// for up to three seconds.
static bool hoverHelpShown(HWND w, DWORD process)
{
    RECT r;
    GetWindowRect(w, &r);
    const FaceRect &readout = faceAreas[redValueId];
    POINT at = {readout.left + 2, readout.top + 2};
    SetCursorPos(r.left + at.x, r.top + at.y);
    PostMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    for (int i = 0; i < 60; i++) {
        Sleep(50);
        if (!EnumWindows(findTooltip, process))
            return true;
    }
    return false;
}

// The left button pressed or let go for real, where the pointer is: the
// program ends a gesture whose button it finds up, so a drag sent as
// messages needs it held as a user's drag holds it.
static void holdButton(bool down)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

// The memory of a running program after memoryEvents drag-adjust moves,
// sent to its window from here as the pointer would send them: each waits
// until the window procedure has handled it, so all of them have run when
// memory is read. The pointer stands still, so each move is a step by 0,
// which still repaints the swatch and readouts in full. The popup gets
// the same messages and passes them to its default procedure.
//
// Under Wine the working set is the process's resident memory and the
// pagefile usage its anonymous resident memory, the program's own.
//
// The pointer is kept off the window, where it would show the hover help,
// which loads the common controls at its first showing; with hover, the
// pointer rests on a control until the program's tooltip shows first. The
// button is held down off the windows, so its press goes to the desktop.
static bool memoryAfterEvents(const Program &p, PROCESS_MEMORY_COUNTERS &counters,
                              bool hover = false)
{
    int right = GetSystemMetrics(SM_CXSCREEN) - 1, bottom = GetSystemMetrics(SM_CYSCREEN) - 1;
    SetCursorPos(right, bottom);
    PROCESS_INFORMATION pi;
    if (launch(p, pi) < 0)
        return false;
    HWND w = windowOf(p, pi);
    if (hover && !hoverHelpShown(w, pi.dwProcessId))
        fprintf(stderr, "memory: no hover help showed\n");
    SetCursorPos(right, bottom);
    const FaceRect &arrow = faceAreas[redUpId];
    LPARAM at = MAKELPARAM((arrow.left + arrow.right) / 2, (arrow.top + arrow.bottom) / 2);
    holdButton(true);
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
    for (int i = 0; i < memoryEvents; i++)
        SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, at);
    SendMessageA(w, WM_LBUTTONUP, 0, at);
    holdButton(false);
    counters = {};
    counters.cb = sizeof counters;
    bool ok = w && GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters);
    finish(p, pi);
    return ok;
}

static void printMemoryRow(const char *name, SIZE_T ours, SIZE_T base)
{
    char o[32], b[32];
    snprintf(o, sizeof o, "%.2f MB", ours / 1048576.0);
    snprintf(b, sizeof b, "%.2f MB", base / 1048576.0);
    printRow(name, o, b, (double)ours / (double)base, "<= popup + 1 MB",
             (double)ours - (double)base <= 1048576.0);
}

int runMemoryBench()
{
    loadSkinArea();
    PROCESS_MEMORY_COUNTERS ours, base;
    if (!memoryAfterEvents(popup, base) || !memoryAfterEvents(tinctora, ours)) {
        fprintf(stderr, "memory: a program did not start or gave no figures\n");
        return 1;
    }
    printMemoryRow("working set after 10,000 moves", ours.WorkingSetSize, base.WorkingSetSize);
    printMemoryRow("private memory after 10,000 moves", ours.PagefileUsage, base.PagefileUsage);
    PROCESS_MEMORY_COUNTERS hovered;
    if (!memoryAfterEvents(tinctora, hovered, true))
        return 1;
    printRatioRow("working set, hover help shown first", hovered.WorkingSetSize / 1048576.0,
                  base.WorkingSetSize / 1048576.0, "MB", 0);
    printRatioRow("private memory, hover help shown first", hovered.PagefileUsage / 1048576.0,
                  base.PagefileUsage / 1048576.0, "MB", 0);
    return 0;
}
