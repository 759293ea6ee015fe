#include "historymenu.h"
#include "palettefile.h"
#include "menutext.h"
#include "swatchmenu.h"
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

// The entries' colours as last shown, by position: a command takes the
// colour the user saw, whatever changed since.
static uint32_t shownColors[entryRoom];
static int shownCount;

HMENU createHistoryMenu()
{
    return createSwatchMenu(historyMenuMark);
}

bool isHistoryMenu(HMENU menu)
{
    return swatchMenuMark(menu) == historyMenuMark;
}

// Entry i: "01 FF8000  dark orange", its number, the colour in the copy
// form and its name, which is also what a screen reader reads. The first
// nine have their digit as the mnemonic; all numbers have two digits, so
// that the colours' texts line up.
static void appendEntry(HWND window, HMENU menu, int i)
{
    uint32_t color = shownColors[i];
    char copy[copyTextSize];
    wchar_t number[8] = L"0&? ", form[copyTextSize], name[colorWordsSize], shown[menuItemSize];
    wchar_t text[menuItemSize];
    number[2] = (wchar_t)('1' + i);
    if (i >= 9)
        wsprintfW(number, L"%d ", i + 1);
    widen(formatColorText(color, copyForm, copy, sizeof copy), form, copyTextSize);
    const wchar_t *parts[2] = {form, colorNameText(color, name)};
    fillText(shown, menuItemSize, L"%1  %2", parts, 2, textsRightToLeft());
    menuItemText(number, shown, text);
    appendSwatchItem(window, menu, cmdHistoryFirst + 0x10 * i, color, text);
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
    for (int i = 0; i < shownCount; i++) {
        if (i == pinnedColors.count && i)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        appendEntry(window, menu, i);
    }
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
