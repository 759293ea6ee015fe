#include "historymenu.h"
#include "historydraw.h"
#include "palettefile.h"
#include "menutext.h"
#include "core/color.h"
#include "core/colortext.h"
#include "core/history.h"
#include "core/textfill.h"
#include "input/taking.h"
#include "res/resource.h"
#include "colorwords.h"
#include "texts.h"
#include "skin/announce.h"
#include "skin/regions.h"


// The menu data that marks a History submenu, in the window menu or in any
// other menu of the program's items.
const ULONG_PTR historyMenuMark = 0x48697374;
const int entryRoom = pinnedLimit + recentLimit;

// The entries' colours and texts as last shown, by position: a command
// takes the colour the user saw, whatever changed since.
static uint32_t shownColors[entryRoom];
static wchar_t shownTexts[entryRoom][menuItemSize];
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
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, L"");
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
    char copy[copyTextSize];
    wchar_t number[8] = L"0&? ", form[copyTextSize], name[colorWordsSize], shown[menuItemSize];
    number[2] = (wchar_t)('1' + i);
    if (i >= 9)
        wsprintfW(number, L"%d ", i + 1);
    widen(formatColorText(color, copyForm, copy, sizeof copy), form, copyTextSize);
    const wchar_t *parts[2] = {form, colorNameText(color, name)};
    fillText(shown, menuItemSize, L"%1  %2", parts, 2, textsRightToLeft());
    menuItemText(number, shown, shownTexts[i]);
    addMenuText(menu, MF_STRING, cmdHistoryFirst + 0x10 * i, shownTexts[i]);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    int position = GetMenuItemCount(menu) - 1;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    drawnByProgram(info);
    SetMenuItemInfoW(menu, position, TRUE, &info);
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
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        appendEntry(menu, i);
    }
    measureHistoryEntries(shownTexts, shownCount);
    if (!shownCount)
        addMenuText(menu, MF_STRING | MF_GRAYED, 0, uiText(textNoColoursItem));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    bool pinned = isPinned(curColor);
    UINT pin = pinned ? MF_CHECKED : pinnedColors.count == pinnedLimit ? MF_GRAYED : 0;
    addMenuText(menu, MF_STRING | pin, cmdPin, uiText(textPinItem));
    addMenuText(menu, MF_STRING | (recentColors.count ? 0 : MF_GRAYED), cmdClearHistory,
                uiText(textClearHistoryItem));
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
