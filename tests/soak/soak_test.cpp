// Long use: the real window procedure driven through 100,000 drag-adjust
// moves, 10,000 eyedropper samples, 10,000 copy and paste cycles, 100,000
// copies of new colours with the History submenu opened after every
// thousandth, 1,000 flips of each toggle and 1,000 repaints, 100 of them
// after a change of scale and back, under Wine. It passes when no
// GDI object, window, heap block or private memory is gained with use and
// the swatch still paints the exact colour at the end.
//
//   soak_test.exe [divisor]    runs 1/divisor of every count (default 1)
//
// How it counts. GetGuiResources is a stub under Wine that answers 0, so
// GDI objects are counted in Wine's own per-process handle table: the low
// 16 bits of a handle index the table, and a handle whose high 16 bits are
// 0 names whatever live object holds that slot, so GetObjectType over all
// 65,536 indexes counts the live objects exactly. Windows are counted with
// EnumThreadWindows; heap blocks (the clipboard's global memory and the C
// runtime's among them) with HeapWalk over every heap of the process; and
// private memory is the commit charge, which Wine takes from the process's
// anonymous resident memory. The baseline is taken after a warm-up round of
// every kind of event (a hundredth of the full counts), once Wine's caches
// have settled.
//
// Wine 8's GetClipboardData keeps a 1,024-byte scratch block for good
// whenever it answers from the data this process put on the clipboard, so
// every paste of our own copy costs 1 KB that is Wine's, not ours. Those
// blocks are counted apart and their bytes taken off the memory figure.
#include "tests/win/win_fixture.h"
#include "app/window.h"
#include "core/color.h"
#include "core/options.h"
#include "core/colortext.h"
#include "core/history.h"
#include "input/eyedropper.h"
#include "input/gesture.h"
#include "input/windowmove.h"
#include "res/resource.h"
#include "skin/regions.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// What may come and go with Wine's own caches. The smallest kind of event
// runs 100 times even in the short run, so one object or block leaked per
// event is always more than countSlack; and a leak of the smallest GDI
// object on every drag move costs more private memory than memorySlack.
const int countSlack = 10;
const long memorySlack = 256 * 1024;
const SIZE_T wineScratchSize = 1024;

struct Counts {
    int moves, samples, cycles, copies, flips, repaints;
};

struct Usage {
    int gdiObjects;
    int windows;
    int heapBlocks;     // live blocks of every heap, Wine's scratch blocks apart
    int scratchBlocks;  // Wine's kept GetClipboardData blocks
    long privateBytes;  // commit charge less the scratch blocks
};

HWND w;
int failures;
long events;

void fail(const char *what, unsigned long got, unsigned long want)
{
    if (++failures <= 10)
        printf("FAIL %s: got %lu (%06lX), want %lu (%06lX)\n", what, got, got, want, want);
}

void expectEqual(const char *what, unsigned long got, unsigned long want)
{
    if (got != want)
        fail(what, got, want);
}

void expectNoGrowth(const char *what, long end, long base, long slack)
{
    if (end > base + slack)
        fail(what, end, base);
}

int liveGdiObjects()
{
    int n = 0;
    for (UINT_PTR i = 0; i < 0x10000; i++)
        if (GetObjectType((HGDIOBJ)i))
            n++;
    return n;
}

BOOL CALLBACK countWindow(HWND, LPARAM n)
{
    ++*(int *)n;
    return TRUE;
}

Usage usage()
{
    Usage u = {liveGdiObjects(), 0, 0, 0, 0};
    EnumThreadWindows(GetCurrentThreadId(), countWindow, (LPARAM)&u.windows);
    SIZE_T scratchBytes = 0;
    HANDLE heaps[64];
    DWORD heapCount = GetProcessHeaps(64, heaps);
    for (DWORD h = 0; h < heapCount && h < 64; h++) {
        PROCESS_HEAP_ENTRY e = {};
        HeapLock(heaps[h]);
        while (HeapWalk(heaps[h], &e)) {
            if (!(e.wFlags & PROCESS_HEAP_ENTRY_BUSY))
                continue;
            if (e.cbData == wineScratchSize) {
                u.scratchBlocks++;
                scratchBytes += e.cbData + e.cbOverhead;
            } else {
                u.heapBlocks++;
            }
        }
        HeapUnlock(heaps[h]);
    }
    PROCESS_MEMORY_COUNTERS pmc = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    u.privateBytes = (long)(pmc.PagefileUsage - scratchBytes);
    return u;
}

// Tenths of a second without floating point, whose first use in printf
// takes heap blocks of its own after the baseline.
const char *seconds(DWORD ms)
{
    static char text[16];
    snprintf(text, sizeof text, "%lu.%lu", ms / 1000, ms / 100 % 10);
    return text;
}

void printUsage(const Usage &u)
{
    printf("%3d GDI objects, %d windows, %5d heap blocks (+%5d Wine's), %5ld KB private\n",
           u.gdiObjects, u.windows, u.heapBlocks, u.scratchBlocks, u.privateBytes / 1024);
}

void send(UINT msg, WPARAM wp, LPARAM lp)
{
    SendMessageA(w, msg, wp, lp);
    events++;
}

// A pointer message at a face point, with the real pointer there too: the
// gestures take their motion from the screen position.
void pointer(UINT msg, int x, int y)
{
    SetCursorPos(windowRect.left + x, windowRect.top + y);
    send(msg, 0, MAKELPARAM(x, y));
}

// The colour the window's own context shows in the swatch's upper and
// lower halves.
void expectSwatch(uint32_t color)
{
    HDC dc = GetDC(w);
    expectEqual("swatch upper half", GetPixel(dc, 40, 30), color);
    expectEqual("swatch lower half", GetPixel(dc, 40, 50), color);
    ReleaseDC(w, dc);
}

// Gestures of 100 moves on each arrow in turn. The pointer rises 25
// pixels and falls back twice per gesture, so from mid-grey no channel
// saturates and each gesture ends on the colour it began with.
void dragAdjust(int moves)
{
    static const POINT arrows[8] = {{59, 74}, {22, 74}, {59, 86}, {22, 86},
                                    {59, 98}, {22, 98}, {71, 116}, {11, 116}};
    const uint32_t start = 0x808080;
    for (int g = 0; g * 100 < moves; g++) {
        const POINT &a = arrows[g % 8];
        uint32_t unit = g % 8 < 6 ? 0x000001u << (8 * (g % 8 / 2)) : 0x010101u;
        curColor = start;
        pointer(WM_LBUTTONDOWN, a.x, a.y);
        for (int k = 1; k <= 100; k++) {
            int offset = 25 - abs(25 - k % 50);
            pointer(WM_MOUSEMOVE, a.x + offset, a.y);
            if (k == 25)
                expectEqual("drag-adjust at the top", curColor, start + 25 * unit);
        }
        pointer(WM_LBUTTONUP, a.x, a.y);
        expectEqual("drag-adjust gesture end", curColor, start);
        pumpMessages();
    }
}

// Two plain windows of one colour each, side by side, for the eyedropper.
const uint32_t sampleColors[2] = {0x1E3C5A, 0xA5C3E1};
const int sampleLeft[2] = {300, 400}, sampleTop = 300;

HWND paintedWindow(const char *name, uint32_t color, int x)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(color);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    HWND p = CreateWindowExA(0, name, "", WS_POPUP | WS_VISIBLE, x, sampleTop, 40, 40, nullptr, nullptr,
                             wc.hInstance, nullptr);
    UpdateWindow(p);
    return p;
}

// Picks of ten samples each, alternating between the two painted windows.
void eyedropper(int samples)
{
    for (int n = 0; n < samples;) {
        pointer(WM_LBUTTONDOWN, 40, 30);
        send(WM_TIMER, holdTimerId, 0);
        expectEqual("pick begun", pickerActive, 1);
        for (int k = 0; k < 10 && n < samples; k++, n++) {
            SetCursorPos(sampleLeft[n % 2] + 10 + k, sampleTop + 10 + k);
            send(WM_MOUSEMOVE, 0, 0);
            expectEqual("sample", curColor, sampleColors[n % 2]);
        }
        send(WM_LBUTTONUP, 0, 0);
        pumpMessages();
    }
}

// Each cycle steps green, copies, steps blue away and pastes the copy
// back, through every copy and paste route in turn.
void copyAndPaste(int cycles)
{
    for (int i = 0; i < cycles; i++) {
        send(WM_CHAR, channelValue(curColor, greenMask) < 128 ? 'G' : 'g', 0);
        uint32_t copied = curColor;
        switch (i % 3) {
        case 0: send(WM_COMMAND, cmdCopy, 0); break;
        case 1: send(WM_COMMAND, cmdCopyAlt, 0); break;
        case 2: send(WM_RBUTTONUP, 0, MAKELPARAM(40, 116)); break;
        }
        send(WM_CHAR, channelValue(curColor, blueMask) < 128 ? 'B' : 'b', 0);
        if (i % 2)
            send(WM_LBUTTONDBLCLK, 0, MAKELPARAM(40, 30));
        else
            send(WM_COMMAND, cmdPaste, 0);
        expectEqual("pasted copy", curColor, copied);
        if (i % 100 == 99)
            pumpMessages();
    }
}

// Copies of a new colour each; after every thousandth the History submenu
// opens for real, with its twenty swatches, and closes.
void copies(int count)
{
    HMENU history = GetSubMenu(GetSystemMenu(w, FALSE), 3);
    for (int i = 0; i < count; i++) {
        curColor = (uint32_t)i * 0x9E3779 & 0xFFFFFF;
        send(WM_COMMAND, cmdCopy, 0);
        if (i % 1000 == 999) {
            PostMessageA(w, WM_CANCELMODE, 0, 0);
            TrackPopupMenu(history, TPM_RETURNCMD, 0, 0, 0, w, nullptr);
            expectEqual("newest colour taken", recentColors.colors[0], curColor);
            pumpMessages();
        }
    }
}

// Clicks on the snap and the always-on-top buttons, each flip checked.
void toggles(int flips)
{
    for (int i = 0; i < flips; i++) {
        LONG snapWas = snapTol;
        BYTE topWas = alwyOnTop;
        pointer(WM_LBUTTONDOWN, 12, 10);
        pointer(WM_LBUTTONUP, 12, 10);
        pointer(WM_LBUTTONDOWN, 28, 10);
        pointer(WM_LBUTTONUP, 28, 10);
        expectEqual("snap flipped", snapTol, snapWas ? 0 : 8);
        expectEqual("on top flipped", alwyOnTop, !topWas);
        if (i % 100 == 99)
            pumpMessages();
    }
}

// Repaints; before every tenth the face is rebuilt at twice the scale and
// back, as a move to a display of another scale and back does.
void repaints(int count)
{
    for (int i = 0; i < count; i++) {
        if (i % 10 == 0) {
            RECT twice = {0, 0, 166, 264}, once = {0, 0, 83, 132};
            send(WM_DPICHANGED, MAKEWPARAM(192, 192), (LPARAM)&twice);
            send(WM_DPICHANGED, MAKEWPARAM(96, 96), (LPARAM)&once);
        }
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        events++;
    }
}

void runAll(const Counts &c, bool report)
{
    struct Phase {
        const char *name;
        void (*run)(int);
        int count;
    } phases[] = {
        {"drag-adjust moves", dragAdjust, c.moves},
        {"eyedropper samples", eyedropper, c.samples},
        {"copy-paste cycles", copyAndPaste, c.cycles},
        {"copies", copies, c.copies},
        {"flips of each toggle", toggles, c.flips},
        {"repaints", repaints, c.repaints},
    };
    for (const Phase &p : phases) {
        DWORD t = GetTickCount();
        p.run(p.count);
        if (report) {
            printf("%-20s %6d %3s s: ", p.name, p.count, seconds(GetTickCount() - t));
            printUsage(usage());
        }
    }
}

}  // namespace

int main(int argc, char **argv)
{
    int divisor = argc > 1 ? atoi(argv[1]) : 1;
    if (divisor < 1)
        divisor = 1;
    setvbuf(stdout, nullptr, _IONBF, 0);
    clearSettings();
    w = startProgram();
    if (!w) {
        printf("FAIL the program did not start\n");
        return 1;
    }
    MoveWindow(w, 0, 0, 83, 132, TRUE);  // clear of the painted windows
    // The counting must see a single new object, or every figure below is void.
    int before = liveGdiObjects();
    HBRUSH probe = CreateSolidBrush(0);
    int with = liveGdiObjects();
    DeleteObject(probe);
    if (with != before + 1 || liveGdiObjects() != before) {
        printf("FAIL GDI objects cannot be counted here (%d, %d)\n", before, with);
        return 1;
    }
    HWND samplers[2] = {paintedWindow("soakA", sampleColors[0], sampleLeft[0]),
                        paintedWindow("soakB", sampleColors[1], sampleLeft[1])};
    flushScreen();

    const Counts full = {100000, 10000, 10000, 100000, 1000, 1000};
    const Counts c = {full.moves / divisor, full.samples / divisor, full.cycles / divisor,
                      full.copies / divisor, full.flips / divisor, full.repaints / divisor};
    runAll({full.moves / 100, full.samples / 100, full.cycles / 100, full.copies / 100,
            full.flips / 100, full.repaints / 100}, false);
    Usage base = usage();
    printf("after %ld warm-up events:     ", events);
    printUsage(base);

    DWORD t = GetTickCount();
    long warmEvents = events;
    runAll(c, true);
    // One last pick: its colour must show exactly, in both halves of the swatch.
    pointer(WM_LBUTTONDOWN, 40, 30);
    send(WM_TIMER, holdTimerId, 0);
    SetCursorPos(sampleLeft[0] + 20, sampleTop + 20);
    send(WM_MOUSEMOVE, 0, 0);
    send(WM_LBUTTONUP, 0, 0);
    Usage end = usage();
    printf("%ld events in %s s; private memory %+ld KB\n", events - warmEvents,
           seconds(GetTickCount() - t), (end.privateBytes - base.privateBytes) / 1024);

    expectNoGrowth("GDI objects", end.gdiObjects, base.gdiObjects, countSlack);
    expectNoGrowth("windows", end.windows, base.windows, 0);
    expectNoGrowth("heap blocks", end.heapBlocks, base.heapBlocks, countSlack);
    expectNoGrowth("private bytes", end.privateBytes, base.privateBytes, memorySlack);
    expectEqual("colour after the last pick", curColor, sampleColors[0]);
    expectSwatch(sampleColors[0]);
    if (strcmp(colorHex, "5A3C1E") != 0)
        fail("hex readout text", strtoul(colorHex, nullptr, 16), 0x5A3C1E);

    for (HWND s : samplers)
        DestroyWindow(s);
    clearSettings();
    printf(failures ? "FAILED (%d)\n" : "passed\n", failures);
    return failures ? 1 : 0;
}
