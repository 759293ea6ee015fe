#include "historymenu.h"
#include "historydraw.h"
#include "palettefile.h"
#include "menutext.h"
#include "core/color.h"
#include "core/colornames.h"
#include "core/colortext.h"
#include "core/history.h"
#include "input/taking.h"
#include "res/resource.h"
#include "skin/announce.h"
#include "skin/regions.h"


// The menu data that marks a History submenu, in the window menu or in any
// other menu of the program's items.
const ULONG_PTR historyMenuMark = 0x48697374;
const int entryRoom = pinnedLimit + recentLimit;

// The entries' colours and texts as last shown, by position: a command
// takes the colour the user saw, whatever changed since.
static uint32_t shownColors[entryRoom];
static char shownTexts[entryRoom][menuItemSize];
static int shownCount;

HMENU createHistoryMenu()
{
    HMENU menu = CreatePopupMenu();
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_MENUDATA | MIM_STYLE;
    // The swatch stands where a check mark would, as in the system's menus.
    info.dwStyle = MNS_CHECKORBMP;
    info.dwMenuData = historyMenuMark;
    SetMenuInfo(menu, &info);
    // Never empty, so that it opens and is filled then.
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 0, "(no colours yet)");
    return menu;
}

bool isHistoryMenu(HMENU menu)
{
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_MENUDATA;
    return GetMenuInfo(menu, &info) && info.dwMenuData == historyMenuMark;
}

// The entry whose swatch the menu measures or draws, or -1.
static int swatchEntry(UINT type, UINT item)
{
    return type == ODT_MENU ? commandItem(item, cmdHistoryFirst, shownCount) : -1;
}

bool onMeasureItem(HWND, LPARAM lp)
{
    MEASUREITEMSTRUCT &m = *(MEASUREITEMSTRUCT *)lp;
    if (swatchEntry(m.CtlType, m.itemID) < 0)
        return false;
    SIZE size = historyEntrySize();
    m.itemWidth = size.cx;
    m.itemHeight = size.cy;
    return true;
}

bool onDrawItem(HWND, LPARAM lp)
{
    const DRAWITEMSTRUCT &d = *(const DRAWITEMSTRUCT *)lp;
    int entry = swatchEntry(d.CtlType, d.itemID);
    if (entry < 0)
        return false;
    drawHistoryEntry(d, entry, shownColors[entry], shownTexts[entry]);
    return true;
}

// Entry i: "01 FF8000  dark orange", its number, the colour in the copy
// form and its name, which is also what a screen reader reads. The first
// nine have their digit as the mnemonic; all numbers have two digits, so
// that the colours' texts line up.
static void appendEntry(HMENU menu, int i)
{
    uint32_t color = shownColors[i];
    char shown[copyTextSize + 40], number[8];
    int n = lstrlenA(formatColorText(color, copyForm, shown, copyTextSize));
    formatColorName(color, lstrcpyA(shown + n, "  ") + 2, 38);
    wsprintfA(number, i < 9 ? "0&%d " : "%d ", i + 1);
    menuItemText(number, shown, shownTexts[i]);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING;
    info.wID = cmdHistoryFirst + 0x10 * i;
    info.dwTypeData = shownTexts[i];
    drawnByProgram(info);
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
}

static void showColors(const ColorList &list)
{
    for (int i = 0; i < list.count; i++)
        shownColors[shownCount++] = list.colors[i];
}

void fillHistoryMenu(HWND window, HMENU menu)
{
    while (DeleteMenu(menu, 0, MF_BYPOSITION))
        continue;
    shownCount = 0;
    showColors(pinnedColors);
    showColors(recentColors);
    startHistoryDrawing(window);
    for (int i = 0; i < shownCount; i++) {
        if (i == pinnedColors.count && i)
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        appendEntry(menu, i);
    }
    measureHistoryEntries(shownTexts, shownCount);
    if (!shownCount)
        AppendMenuA(menu, MF_STRING | MF_GRAYED, 0, "(no colours yet)");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    bool pinned = isPinned(curColor);
    UINT pin = pinned ? MF_CHECKED : pinnedColors.count == pinnedLimit ? MF_GRAYED : 0;
    AppendMenuA(menu, MF_STRING | pin, cmdPin, "&Pin the current colour");
    AppendMenuA(menu, MF_STRING | (recentColors.count ? 0 : MF_GRAYED), cmdClearHistory,
                "&Clear history");
    appendPaletteItems(menu);
}

bool runHistoryCommand(HWND window, UINT command)
{
    int entry = commandItem(command, cmdHistoryFirst, shownCount);
    if (command == cmdPin) {
        togglePin(curColor);
        // The swatch's description says whether it is pinned.
        announceShownColor(window);
    } else if (command == cmdClearHistory) {
        clearRecentColors();
    } else if (entry >= 0) {
        takeColor(window, takenBySet, shownColors[entry]);
    } else {
        return false;
    }
    return true;
}
