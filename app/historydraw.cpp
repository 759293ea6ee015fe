#include "historydraw.h"
#include "core/history.h"
#include "skin/draw.h"
#include "skin/wine.h"

#include <algorithm>

// Whatever would cost Wine as much here is done once as the submenu fills
// (a system metric takes it 40 us, DrawText as long, a font chosen into a
// context longer): the texts are measured then, in the menu's font, and
// drawn by ExtTextOut in the font the menu has chosen itself.
static bool drawnWhole;
static SIZE swatchSize;       // the check mark's
static SIZE entrySize;        // an entry drawn whole
static TEXTMETRICW menuText;  // the menu font's
static int textLeft;          // where a menu's item has its text
static POINT underlines[pinnedLimit + recentLimit];  // each mnemonic's line, from x to y

// The menu's check-mark size at the window's DPI (GetSystemMetricsForDpi
// came with Windows 10; before it the system's metrics are the window's).
void startHistoryDrawing(HWND window)
{
    drawnWhole = underWine();
    typedef int(WINAPI * MetricsForDpi)(int, UINT);
    MetricsForDpi metricsForDpi = (MetricsForDpi)(void *)GetProcAddress(
        GetModuleHandleA("user32.dll"), "GetSystemMetricsForDpi");
    UINT dpi = windowDpi(window);
    swatchSize = metricsForDpi
                     ? SIZE{metricsForDpi(SM_CXMENUCHECK, dpi), metricsForDpi(SM_CYMENUCHECK, dpi)}
                     : SIZE{GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)};
}

void drawnByProgram(MENUITEMINFOW &info)
{
    if (drawnWhole)
        info.fType |= MFT_OWNERDRAW;
    info.fMask |= drawnWhole ? MIIM_FTYPE : MIIM_BITMAP;
    info.hbmpItem = HBMMENU_CALLBACK;
}

// A menu item's text as shown: each "&" taken out ("&&" shown as one),
// into out; the position of the character it underlines, or -1.
static int shownText(const wchar_t *item, wchar_t (&out)[menuItemSize])
{
    int n = 0, underlined = -1;
    for (; *item && n < menuItemSize - 1; item++) {
        if (*item == '&' && item[1] != '&') {
            underlined = n;
            continue;
        }
        item += *item == '&';
        out[n++] = *item;
    }
    out[n] = 0;
    return underlined < n ? underlined : -1;
}

// An entry drawn whole: its swatch where the check mark is, then the
// longest text, as high as the menu's own items.
void measureHistoryEntries(const wchar_t (*texts)[menuItemSize], int count)
{
    if (!drawnWhole)
        return;
    NONCLIENTMETRICSW fonts = {};
    fonts.cbSize = sizeof fonts;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof fonts, &fonts, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, CreateFontIndirectW(&fonts.lfMenuFont));
    GetTextMetricsW(dc, &menuText);
    entrySize = {0, std::max(menuText.tmHeight + 4, swatchSize.cy + 2)};
    for (int i = 0; i < count; i++) {
        wchar_t text[menuItemSize];
        int underlined = shownText(texts[i], text);
        SIZE all = {}, before = {}, after = {};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &all);
        if (underlined >= 0) {
            GetTextExtentPoint32W(dc, text, underlined, &before);
            GetTextExtentPoint32W(dc, text, underlined + 1, &after);
        }
        underlines[i] = {before.cx, after.cx};
        entrySize.cx = std::max(entrySize.cx, all.cx);
    }
    textLeft = 4 + GetSystemMetrics(SM_CXMENUCHECK);
    entrySize.cx += textLeft + menuText.tmAveCharWidth;
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

SIZE historyEntrySize()
{
    return drawnWhole ? entrySize : swatchSize;
}

// An entry's text where a menu's item has it, its mnemonic underlined.
static void drawText(const DRAWITEMSTRUCT &d, int entry, const wchar_t *item, int textColor)
{
    wchar_t text[menuItemSize];
    shownText(item, text);
    int x = d.rcItem.left + textLeft;
    int y = (d.rcItem.top + d.rcItem.bottom - menuText.tmHeight) / 2;
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(textColor));
    ExtTextOutW(d.hDC, x, y, 0, nullptr, text, lstrlenW(text), nullptr);
    RECT line = {x + underlines[entry].x, y + menuText.tmAscent + 1, x + underlines[entry].y,
                 y + menuText.tmAscent + 2};
    FillRect(d.hDC, &line, GetSysColorBrush(textColor));
}

void drawHistoryEntry(const DRAWITEMSTRUCT &d, int entry, uint32_t color, const wchar_t *text)
{
    RECT r = d.rcItem;
    if (drawnWhole) {
        bool lit = d.itemState & ODS_SELECTED;
        FillRect(d.hDC, &r, GetSysColorBrush(lit ? COLOR_HIGHLIGHT : COLOR_MENU));
        drawText(d, entry, text, lit ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        r.left += 2, r.right = r.left + swatchSize.cx;
        r.top = (r.top + r.bottom - swatchSize.cy) / 2, r.bottom = r.top + swatchSize.cy;
    }
    HBRUSH frame = CreateSolidBrush(RGB(128, 128, 128)), inside = CreateSolidBrush(color);
    FrameRect(d.hDC, &r, frame);
    InflateRect(&r, -1, -1);
    FillRect(d.hDC, &r, inside);
    DeleteObject(frame);
    DeleteObject(inside);
}
