#include "colormenus.h"
#include "colorwords.h"
#include "menutext.h"
#include "swatchmenu.h"
#include "texts.h"
#include "core/color.h"
#include "core/colortext.h"
#include "core/variations.h"
#include "core/vision.h"
#include "input/clipboard.h"
#include "input/clipboardtext.h"
#include "input/taking.h"
#include "res/resource.h"

// The menu data that marks each submenu, in any menu of the program's items.
const ULONG_PTR visionMenuMark = 0x56697369, variationsMenuMark = 0x56617269;
// The simulations listed, all but normal vision, and their keys.
const int visionEntries = visionFilterCount - 1;
static const char visionKeys[visionEntries + 1] = "PDTA";

// The colours as last shown, by position: a command takes or copies the
// colour the user saw.
static uint32_t visionShown[visionEntries];
static uint32_t variationsShown[variationCount];

HMENU createVisionMenu()
{
    return createSwatchMenu(visionMenuMark);
}

HMENU createVariationsMenu()
{
    return createSwatchMenu(variationsMenuMark);
}

// "&1 tint +10%  FFB586  orange": the key, the name, the colour in the
// copy form and its family, as a screen reader reads it too.
static void appendEntry(HWND window, HMENU menu, UINT command, char key, const wchar_t *name,
                        uint32_t color)
{
    char copy[copyTextSize];
    wchar_t shown[copyTextSize + 2 * colorWordsSize], prefix[4] = {'&', (wchar_t)key, ' ', 0};
    wchar_t text[menuItemSize], family[colorWordsSize];
    int n = lstrlenW(lstrcpynW(shown, name, colorWordsSize));
    lstrcpyW(shown + n, L"  ");
    widen(formatColorText(color, copyForm, copy, sizeof copy), shown + n + 2, copyTextSize);
    n = lstrlenW(shown);
    lstrcpyW(shown + n, L"  ");
    lstrcpynW(shown + n + 2, colorFamilyText(color, family), colorWordsSize);
    menuItemText(prefix, shown, text);
    appendSwatchItem(window, menu, command, color, text);
}

bool fillColorMenu(HWND window, HMENU menu)
{
    ULONG_PTR mark = swatchMenuMark(menu);
    if (mark != visionMenuMark && mark != variationsMenuMark)
        return false;
    while (DeleteMenu(menu, 0, MF_BYPOSITION))
        continue;
    if (mark == visionMenuMark) {
        for (int i = 0; i < visionEntries; i++) {
            visionShown[i] = simulateVision(curColor, i + 1);
            appendEntry(window, menu, cmdVisionFirst + 0x10 * i, visionKeys[i],
                        visionText(i + 1), visionShown[i]);
        }
        return true;
    }
    colorVariations(curColor, variationsShown);
    for (int i = 0; i < variationCount; i++) {
        // Tints, shades, then the turned hues.
        if (i == 4 || i == 8)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        wchar_t name[colorWordsSize];
        appendEntry(window, menu, cmdVariationFirst + 0x10 * i, variations[i].key,
                    variationText(i, name), variationsShown[i]);
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    addMenuText(menu, MF_STRING, cmdCopyVariations, uiText(textCopyVariationsItem));
    return true;
}

bool runColorMenuCommand(HWND window, UINT command)
{
    int vision = commandItem(command, cmdVisionFirst, visionEntries);
    int variation = commandItem(command, cmdVariationFirst, variationCount);
    char text[copyTextSize];
    if (vision >= 0 || (variation >= 0 && GetKeyState(VK_SHIFT) < 0)) {
        uint32_t color = vision >= 0 ? visionShown[vision] : variationsShown[variation];
        copyTextToClipboard(window, formatColorText(color, copyForm, text, sizeof text));
    } else if (variation >= 0) {
        takeColor(window, takenBySet, variationsShown[variation]);
    } else if (command == cmdCopyVariations) {
        copyColorLines(window, variationsShown, variationCount);
    } else {
        return false;
    }
    return true;
}
