#include "windowmenu.h"
#include "core/colortext.h"
#include "core/options.h"
#include "input/actions.h"
#include "res/resource.h"

static const char *const formItems[copyFormCount] = {
    "&1 RRGGBB", "&2 #RRGGBB", "&3 rgb(r, g, b)", "&4 hsl(h, s%, l%)",
};

void addWindowMenuItems(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    HMENU forms = CreatePopupMenu();
    for (int i = 0; i < copyFormCount; i++)
        AppendMenuA(forms, MF_STRING, cmdCopyFormFirst + 0x10 * i, formItems[i]);
    InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING, cmdSnapping, "Sna&p to screen edges");
    InsertMenuA(menu, 1, MF_BYPOSITION | MF_STRING, cmdOnTop, "Always on &top");
    // F is free among the system's mnemonics, Wine's "About Wine" included.
    InsertMenuA(menu, 2, MF_BYPOSITION | MF_POPUP, (UINT_PTR)forms, "Copy &format");
    InsertMenuA(menu, 3, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void onInitMenu(HWND window, WPARAM)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    CheckMenuItem(menu, cmdSnapping, MF_BYCOMMAND | (snapTol != 0 ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, cmdOnTop, MF_BYCOMMAND | (alwyOnTop ? MF_CHECKED : MF_UNCHECKED));
    UINT last = cmdCopyFormFirst + 0x10 * (copyFormCount - 1);
    CheckMenuRadioItem(menu, cmdCopyFormFirst, last, cmdCopyFormFirst + 0x10 * copyForm,
                       MF_BYCOMMAND);
}

bool onSysCommand(HWND window, WPARAM wp)
{
    // The system uses the low four bits of a window-menu command itself.
    switch (wp & 0xFFF0) {
    case cmdSnapping: clickControl(window, snapId); return true;
    case cmdOnTop: clickControl(window, topId); return true;
    }
    return chooseCopyFormByCommand(window, wp & 0xFFF0);
}
