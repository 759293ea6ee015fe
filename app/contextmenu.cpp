#include "contextmenu.h"
#include "menutext.h"
#include "windowmenu.h"
#include "core/color.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/contrast.h"
#include "input/clipboard.h"
#include "input/clipboardtext.h"
#include "input/gesture.h"
#include "res/resource.h"
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
    char item[menuItemSize], digit[4];
    for (int form = 0; form < copyFormCount; form++) {
        if (form == copyCustom && !copyTemplate[0])
            continue;
        formatColorText(curColor, CopyForm(form), copies[form], copyTextSize);
        wsprintfA(digit, "&%c ", copyFormKey(CopyForm(form)));
        menuItemText(digit, copies[form], item);
        AppendMenuA(menu, MF_STRING, cmdContextCopyFirst + 0x10 * form, item);
    }
    char previous[8], contrast[24];
    formatColorText(oldColor, copyHashHex, previous, sizeof previous);
    formatContrast(curColor, oldColor, contrast, sizeof contrast);
    wsprintfA(item, "&Contrast with %s: %s", previous, contrast);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, cmdContextContrast, item);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    insertProgramItems(menu, GetMenuItemCount(menu));
    markProgramItems(menu, true);
    TPMPARAMS keepInSight = {sizeof keepInSight, swatchOnScreen(window)};
    // Owned by the window, whose handlers see its WM_INITMENUPOPUP as they
    // see the window menu's; the command comes back here, not as a message.
    UINT command = TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_VERTICAL,
                                    keepInSight.rcExclude.left, keepInSight.rcExclude.bottom,
                                    window, &keepInSight);
    DestroyMenu(menu);
    int form = commandItem(command, cmdContextCopyFirst, copyFormCount);
    char report[48];
    if (form >= 0)
        copyColorAs(window, copies[form]);
    else if (command == cmdContextContrast)
        copyTextToClipboard(window, formatContrastReport(curColor, oldColor, report, sizeof report));
    else if (command)
        runProgramCommand(window, command);
}

bool onKeyUp(HWND window, WPARAM key)
{
    if (key != VK_APPS)
        return false;
    SendMessageA(window, WM_CONTEXTMENU, (WPARAM)window, -1);
    return true;
}
