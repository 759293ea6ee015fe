#include "contextmenu.h"
#include "menutext.h"
#include "windowmenu.h"
#include "core/color.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/contrast.h"
#include "core/contrastfix.h"
#include "input/clipboard.h"
#include "input/clipboardtext.h"
#include "input/gesture.h"
#include "input/taking.h"
#include "res/resource.h"
#include "texts.h"
#include "colorwords.h"
#include "skin/layout.h"
#include "skin/regions.h"

// The swatch on the screen, which the menu opens beside and leaves in sight.
static RECT swatchOnScreen(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    const FaceRect &a = faceAreas[swatchId];
    int k = faceScale;
    return {r.left + a.left * k, r.top + a.top * k, r.left + a.right * k, r.top + a.bottom * k};
}

void onContextMenu(HWND window)
{
    // The gesture's capture goes with it: under Wine a menu opened while
    // the window holds the pointer during a pick is never painted.
    abandonGesture(window);
    HMENU menu = IsIconic(window) ? nullptr : CreatePopupMenu();
    if (!menu)
        return;
    // The texts as the menu shows them are the texts copied.
    static char copies[copyFormCount][copyTextSize];
    wchar_t item[menuItemSize], shown[copyTextSize], digit[4] = L"&? ";
    for (int form = 0; form < copyFormCount; form++) {
        if (form == copyCustom && !copyTemplate[0])
            continue;
        formatColorText(curColor, CopyForm(form), copies[form], copyTextSize);
        digit[1] = copyFormKey(CopyForm(form));
        menuItemText(digit, widen(copies[form], shown, copyTextSize), item);
        addMenuText(menu, MF_STRING, cmdContextCopyFirst + 0x10 * form, item);
    }
    char hash[8];
    wchar_t previous[8], contrast[colorWordsSize];
    formatColorText(oldColor, copyHashHex, hash, sizeof hash);
    formatText(item, menuItemSize, textContrastItem, widen(hash, previous, 8),
               contrastText(curColor, oldColor, contrast));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    addMenuText(menu, MF_STRING, cmdContextContrast, item);
    // The fix the colour shown has, as the report names it; taken as shown.
    ContrastFix fix = fixContrast(curColor, oldColor);
    uint32_t fixed = fix.colors[0];
    formatColorText(fixed, copyHashHex, hash, sizeof hash);
    formatText(item, menuItemSize, fix.passes ? textFixPassesItem
                                   : fix.found[0] ? textFixContrastItem
                                                  : textFixNoneItem,
               widen(hash, previous, 8));
    addMenuText(menu, MF_STRING | (fix.found[0] ? 0 : MF_GRAYED), cmdFixContrast, item);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    insertProgramItems(menu, GetMenuItemCount(menu), true);
    markProgramItems(menu, true);
    TPMPARAMS keepInSight = {sizeof keepInSight, swatchOnScreen(window)};
    // Owned by the window, whose handlers see its WM_INITMENUPOPUP as they
    // see the window menu's; the command comes back here, not as a message.
    UINT rtl = textsRightToLeft() ? TPM_LAYOUTRTL : 0;
    UINT command = TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_VERTICAL | rtl,
                                    keepInSight.rcExclude.left, keepInSight.rcExclude.bottom,
                                    window, &keepInSight);
    DestroyMenu(menu);
    int form = commandItem(command, cmdContextCopyFirst, copyFormCount);
    char report[3 * colorWordsSize];
    wchar_t words[colorWordsSize];
    if (form >= 0)
        copyColorAs(window, copies[form]);
    else if (command == cmdContextContrast)
        copyTextToClipboard(window, narrow(contrastReport(curColor, oldColor, words), report,
                                           sizeof report));
    else if (command == cmdFixContrast)
        takeColor(window, takenInPlace, fixed);
    else if (command)
        runProgramCommand(window, command);
}

bool onKeyUp(HWND window, WPARAM key)
{
    if (key != VK_APPS)
        return false;
    SendMessageW(window, WM_CONTEXTMENU, (WPARAM)window, -1);
    return true;
}
