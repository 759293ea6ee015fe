#include "historymenu.h"
#include "palettefile.h"
#include "windowmenu.h"
#include "core/color.h"
#include "core/colortext.h"
#include "core/history.h"
#include "input/taking.h"
#include "res/resource.h"
#include "colorwords.h"
#include "texts.h"
#include "core/textfill.h"
#include "skin/announce.h"
#include "skin/draw.h"
#include "skin/regions.h"
#include "skin/wine.h"

// The menu data that marks a History submenu, in the window menu or in any
// other menu of the program's items.
const ULONG_PTR historyMenuMark = 0x48697374;
const int entryRoom = pinnedLimit + recentLimit;
// Room for the check mark at 400 % (60 pixels on Windows 10).
const int maxSwatchSide = 64;

// The entries' colours as last shown, by position: a command takes the
// colour the user saw, whatever changed since.
static uint32_t shownColors[entryRoom];
static int shownCount;
// The swatches of the submenu last filled, and that submenu.
static HBITMAP swatches[entryRoom];
static int swatchCount;
static HMENU swatchMenu;

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

// The menu's check-mark size at the window's DPI (GetSystemMetricsForDpi
// came with Windows 10; before it the system's metrics are the window's).
static SIZE checkMarkSize(HWND window)
{
    typedef int(WINAPI * MetricsForDpi)(int, UINT);
    MetricsForDpi metricsForDpi = (MetricsForDpi)(void *)GetProcAddress(
        GetModuleHandleA("user32.dll"), "GetSystemMetricsForDpi");
    if (!metricsForDpi)
        return {GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)};
    UINT dpi = windowDpi(window);
    return {metricsForDpi(SM_CXMENUCHECK, dpi), metricsForDpi(SM_CYMENUCHECK, dpi)};
}

// A swatch of the colour framed in grey, so that white and black show on
// any menu; every pixel opaque, for menus that blend with the alpha byte.
// CreateBitmap from memory: under Wine a DIB section maps memory of its
// own, a fifth of a millisecond for each swatch.
static HBITMAP makeSwatch(uint32_t color, SIZE size)
{
    static uint32_t pixels[maxSwatchSide * maxSwatchSide];
    int width = size.cx < maxSwatchSide ? size.cx : maxSwatchSide;
    int height = size.cy < maxSwatchSide ? size.cy : maxSwatchSide;
    // 0xAARRGGBB in memory order blue, green, red, alpha.
    uint32_t inside = 0xFF000000 | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            pixels[y * width + x] = frame ? 0xFF808080 : inside;
        }
    return CreateBitmap(width, height, 1, 32, pixels);
}

// Where the swatch goes. Windows draws an item's bitmap as it is, also in
// the themed menus, and combines check-mark bitmaps with the menu as the
// monochrome images they are meant to be. Wine draws a highlighted item's
// bitmap inverted, which would show the entry about to be chosen in
// another colour, and its check-mark bitmaps as they are.
static void placeSwatch(MENUITEMINFOW &info, HBITMAP swatch)
{
    if (underWine()) {
        info.fMask |= MIIM_CHECKMARKS;
        info.hbmpUnchecked = swatch;
    } else {
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = swatch;
    }
}

void releaseHistorySwatches()
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    placeSwatch(info, nullptr);
    for (int i = 0; i < swatchCount; i++) {
        SetMenuItemInfoW(swatchMenu, cmdHistoryFirst + 0x10 * i, FALSE, &info);
        DeleteObject(swatches[i]);
    }
    swatchCount = 0;
    swatchMenu = nullptr;
}

// Entry i: "01 FF8000  dark orange", its number, the colour in the copy
// form and its name, which is also what a screen reader reads. The first
// nine have their digit as the mnemonic; all numbers have two digits, so
// that the colours' texts line up.
static void appendEntry(HMENU menu, int i, SIZE size)
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
    addMenuText(menu, MF_STRING, cmdHistoryFirst + 0x10 * i, text);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    placeSwatch(info, swatches[swatchCount++] = makeSwatch(color, size));
    SetMenuItemInfoW(menu, GetMenuItemCount(menu) - 1, TRUE, &info);
}

static void showColors(const ColorList &list)
{
    for (int i = 0; i < list.count; i++)
        shownColors[shownCount++] = list.colors[i];
}

void fillHistoryMenu(HWND window, HMENU menu)
{
    releaseHistorySwatches();
    while (DeleteMenu(menu, 0, MF_BYPOSITION))
        continue;
    shownCount = 0;
    showColors(pinnedColors);
    showColors(recentColors);
    swatchMenu = menu;
    SIZE size = checkMarkSize(window);
    for (int i = 0; i < shownCount; i++) {
        if (i == pinnedColors.count && i)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        appendEntry(menu, i, size);
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
