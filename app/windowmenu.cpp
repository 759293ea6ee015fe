#include "windowmenu.h"
#include "core/options.h"
#include "input/actions.h"
#include "res/resource.h"

void addWindowMenuItems(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING, cmdSnapping, "Sna&p to screen edges");
    InsertMenuA(menu, 1, MF_BYPOSITION | MF_STRING, cmdOnTop, "Always on &top");
    InsertMenuA(menu, 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void onInitMenu(HWND window, WPARAM)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    CheckMenuItem(menu, cmdSnapping, MF_BYCOMMAND | (snapTol != 0 ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, cmdOnTop, MF_BYCOMMAND | (alwyOnTop ? MF_CHECKED : MF_UNCHECKED));
}

bool onSysCommand(HWND window, WPARAM wp)
{
    // The system uses the low four bits of a window-menu command itself.
    switch (wp & 0xFFF0) {
    case cmdSnapping: clickControl(window, snapId); return true;
    case cmdOnTop: clickControl(window, topId); return true;
    }
    return false;
}
