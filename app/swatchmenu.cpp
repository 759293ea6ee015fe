#include "swatchmenu.h"
#include "menutext.h"
#include "texts.h"
#include "core/textfill.h"
#include "skin/draw.h"

// Room for the entries of every menu that has them: the History's 36, the
// Colour vision and Variations submenus'.
const int swatchItemRoom = 64;
struct SwatchItem {
    UINT command;
    uint32_t color;
    SIZE text;  // the text's extent in the menu's font
    wchar_t label[menuItemSize];
};
static SwatchItem items[swatchItemRoom];
static int itemCount;
// The menu's font at the DPI it was made for.
static HFONT menuFont;
static unsigned fontDpi;

// The menu font of the system at the window's DPI (SystemParametersInfoForDpi
// came with Windows 10; before it the system's metrics are the window's).
static HFONT fontFor(HWND window)
{
    unsigned dpi = windowDpi(window);
    if (menuFont && dpi == fontDpi)
        return menuFont;
    typedef BOOL(WINAPI * InfoForDpi)(UINT, UINT, void *, UINT, UINT);
    InfoForDpi infoForDpi = (InfoForDpi)(void *)GetProcAddress(GetModuleHandleA("user32.dll"),
                                                              "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!(infoForDpi && infoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)))
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT made = CreateFontIndirectW(&metrics.lfMenuFont);
    if (made) {
        DeleteObject(menuFont);
        menuFont = made, fontDpi = dpi;
    }
    return menuFont;
}

HMENU createSwatchMenu(ULONG_PTR mark)
{
    HMENU menu = CreatePopupMenu();
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = mark;
    SetMenuInfo(menu, &info);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, L"...");
    return menu;
}

ULONG_PTR swatchMenuMark(HMENU menu)
{
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_MENUDATA;
    return GetMenuInfo(menu, &info) ? info.dwMenuData : 0;
}

static SwatchItem *itemOf(UINT command)
{
    for (int i = 0; i < itemCount; i++)
        if (items[i].command == command)
            return &items[i];
    return nullptr;
}

void appendSwatchItem(HWND window, HMENU menu, UINT command, uint32_t color, const wchar_t *text)
{
    SwatchItem *item = itemOf(command);
    if (!item && itemCount < swatchItemRoom)
        item = &items[itemCount++];
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING;
    info.wID = command;
    info.dwTypeData = (wchar_t *)text;
    if (item) {
        item->command = command;
        item->color = color;
        lstrcpynW(item->label, text, menuItemSize);
        // Measured in a memory context of its own: under Wine each GetDC
        // of a window is a round trip.
        static HDC measuring;
        if (!measuring)
            measuring = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(measuring, fontFor(window));
        RECT r = {};
        DrawTextW(measuring, text, -1, &r, DT_SINGLELINE | DT_CALCRECT);
        item->text = {r.right, r.bottom};
        SelectObject(measuring, old);
        info.fMask |= MIIM_FTYPE;
        info.fType = MFT_OWNERDRAW;
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

// The swatch is as high as the text, with room around both.
static int padOf(const SwatchItem &item)
{
    return item.text.cy / 4 + 1;
}

bool onMeasureItem(HWND, LPARAM lp)
{
    MEASUREITEMSTRUCT &m = *(MEASUREITEMSTRUCT *)lp;
    const SwatchItem *item = m.CtlType == ODT_MENU ? itemOf(m.itemID) : nullptr;
    if (!item)
        return false;
    int pad = padOf(*item);
    m.itemWidth = item->text.cy + item->text.cx + 4 * pad;
    m.itemHeight = item->text.cy + 2 * pad;
    return true;
}

bool onDrawItem(HWND, LPARAM lp)
{
    DRAWITEMSTRUCT &d = *(DRAWITEMSTRUCT *)lp;
    const SwatchItem *item = d.CtlType == ODT_MENU ? itemOf(d.itemID) : nullptr;
    if (!item)
        return false;
    bool lit = d.itemState & ODS_SELECTED, rtl = textsRightToLeft();
    RECT r = d.rcItem;
    FillRect(d.hDC, &r, GetSysColorBrush(lit ? COLOR_HIGHLIGHT : COLOR_MENU));
    // Framed in grey, so that white and black show on any menu; before the
    // text as the language reads.
    int pad = padOf(*item), side = item->text.cy, top = (r.top + r.bottom - side) / 2;
    int left = rtl ? r.right - pad - side : r.left + pad;
    RECT swatch = {left, top, left + side, top + side};
    FillRect(d.hDC, &swatch, GetSysColorBrush(COLOR_GRAYTEXT));
    InflateRect(&swatch, -1, -1);
    HBRUSH fill = CreateSolidBrush(item->color & 0xFFFFFF);
    FillRect(d.hDC, &swatch, fill);
    DeleteObject(fill);
    (rtl ? r.right : r.left) += rtl ? -(side + 3 * pad) : side + 3 * pad;
    HGDIOBJ old = SelectObject(d.hDC, menuFont);
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(d.itemState & ODS_GRAYED ? COLOR_GRAYTEXT
                                    : lit                    ? COLOR_HIGHLIGHTTEXT
                                                             : COLOR_MENUTEXT));
    DrawTextW(d.hDC, item->label, -1, &r,
              DT_SINGLELINE | DT_VCENTER | (d.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0) |
                  (rtl ? DT_RIGHT | DT_RTLREADING : 0));
    SelectObject(d.hDC, old);
    return true;
}


wchar_t menuCharKey(WPARAM wp)
{
    // The key's own: Shift+1 types "!" on most layouts, L types "д" on a
    // Russian one.
    SHORT scan = VkKeyScanW((wchar_t)LOWORD(wp));
    return scan == -1 ? 0 : (wchar_t)(scan & 0xFF);
}

LRESULT onMenuChar(HWND, WPARAM wp, LPARAM lp)
{
    HMENU menu = (HMENU)lp;
    // Every item's key, a digit or a Latin letter, is the key it is on the
    // keyboard whatever the layout types there: Shift with a digit chooses
    // that digit's item, and on a Russian or a Greek layout the key marked
    // K chooses "&K cmyk(...)". A letter of the language's own script was
    // matched already as typed.
    wchar_t key = menuCharKey(wp);
    for (int i = 0, n = GetMenuItemCount(menu); key && i < n; i++) {
        const SwatchItem *item = itemOf(GetMenuItemID(menu, i));
        wchar_t text[256];
        if (!item && !GetMenuStringW(menu, i, text, 256, MF_BYPOSITION))
            continue;
        wchar_t letter = markedLetter(item ? item->label : text);
        if (letter >= 'a' && letter <= 'z')
            letter -= 'a' - 'A';
        if (letter == key && !(GetMenuState(menu, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)))
            return MAKELRESULT(i, MNC_EXECUTE);
    }
    return 0;
}
