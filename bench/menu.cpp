// The window menu, and its History submenu, opened with 36 colours in the
// history (16 pinned, 20 recent) against none: from the menu's
// WM_INITMENUPOPUP to the menu shown, the popup on the screen and the menu
// loop idle (its first WM_ENTERIDLE). Each menu is shown for real with
// TrackPopupMenu over the program's window in this process, in rounds that
// take turns. The window menu shows no entry itself: they are made when
// the History submenu opens, each with its swatch. Then the Colour vision
// and Variations submenus, whose swatches the program draws itself, taking
// turns with the empty History.
#include "bench.h"
#include "tests/win/win_fixture.h"
#include "core/history.h"

#include <cstdio>

static WNDPROC programProc;
static double initTime, shownTime;

// The program's own procedure, timed around: the time starts before the
// program fills the submenu and ends once the menu waits for the user.
static LRESULT CALLBACK timingProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITMENUPOPUP)
        initTime = nowMicroseconds();
    if (msg == WM_ENTERIDLE && wp == MSGF_MENU && !shownTime) {
        shownTime = nowMicroseconds();
        EndMenu();
    }
    return CallWindowProcA(programProc, window, msg, wp, lp);
}

static void fillLists(bool full)
{
    recentColors.count = pinnedColors.count = 0;
    for (uint32_t i = 0; full && i < pinnedLimit + recentLimit; i++)
        i < pinnedLimit ? togglePin(i * 0x0B0705) : rememberColor(i * 0x030D11);
}

// The menu opened once: the time from WM_INITMENUPOPUP to shown, added
// to times unless this is the first round, which warms the menu's first use.
static void openOnce(HWND window, HMENU menu, int round, std::vector<double> &times)
{
    initTime = shownTime = 0;
    TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, window, nullptr);
    if (round && initTime && shownTime)
        times.push_back(shownTime - initTime);
}

// Milliseconds from WM_INITMENUPOPUP to shown, over 40 rounds of each
// menu, taking turns (a second History in menus opens with its 36 entries,
// the first with none; without lists every one with none); false when a
// round was not timed.
static bool timeMenu(HWND window, const HMENU *menus, int count, double *ms, bool lists = true)
{
    std::vector<double> times[3];
    for (int round = 0; round < 41; round++)
        for (int m = 0; m < count; m++) {
            fillLists(lists && m == 1);
            openOnce(window, menus[m], round, times[m]);
        }
    bool timed = true;
    for (int m = 0; m < count; m++) {
        ms[m] = times[m].size() == 40 ? median(times[m]) / 1000 : 0;
        timed = timed && ms[m];
    }
    return timed;
}

int runMenuBench()
{
    HWND window = startProgram();
    if (!window) {
        fprintf(stderr, "menu: the program did not start\n");
        return 1;
    }
    programProc = (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)timingProc);
    HMENU windowMenu = GetSystemMenu(window, FALSE), history = GetSubMenu(windowMenu, 3);
    HMENU both[2][2] = {{windowMenu, windowMenu}, {history, history}};
    HMENU colorMenus[3] = {GetSubMenu(windowMenu, 5), GetSubMenu(windowMenu, 6), history};
    double ms[2][2], colorMs[3];
    bool timed = timeMenu(window, both[0], 2, ms[0]) && timeMenu(window, both[1], 2, ms[1]);
    int historyEntries = GetMenuItemCount(history);
    timed = timed && timeMenu(window, colorMenus, 3, colorMs, false);
    // 36 entries, a separator each after the pinned and the recent ones,
    // Pin and Clear, a separator, Copy all, Save and Open.
    if (!timed || historyEntries != 44) {
        fprintf(stderr, "menu: not every round was timed, or not every entry shown\n");
        return 1;
    }
    const char *names[2] = {"window menu, 36 colours in its History (against none)",
                            "History submenu with 36 entries, opening to shown (against none)"};
    for (int m = 0; m < 2; m++) {
        char o[32], b[32];
        snprintf(o, sizeof o, "%.2f ms", ms[m][1]);
        snprintf(b, sizeof b, "%.2f ms", ms[m][0]);
        printRow(names[m], o, b, ms[m][1] / ms[m][0], "<= 16 ms", ms[m][1] <= 16);
    }
    // Their swatches drawn by the program, against the empty History.
    const char *colorNames[2] = {
        "Colour vision submenu, 4 entries, opening to shown (against the History with none)",
        "Variations submenu, 15 entries, opening to shown (against the History with none)"};
    for (int m = 0; m < 2; m++) {
        char o[32], b[32];
        snprintf(o, sizeof o, "%.2f ms", colorMs[m]);
        snprintf(b, sizeof b, "%.2f ms", colorMs[2]);
        printRow(colorNames[m], o, b, colorMs[m] / colorMs[2], "<= 16 ms", colorMs[m] <= 16);
    }
    return 0;
}
