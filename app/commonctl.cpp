#include "commonctl.h"

#include <commctrl.h>

bool loadCommonControls(DWORD classes)
{
    typedef BOOL(WINAPI * InitControls)(const INITCOMMONCONTROLSEX *);
    HMODULE controls = LoadLibraryA("comctl32.dll");
    InitControls init =
        controls ? (InitControls)(void *)GetProcAddress(controls, "InitCommonControlsEx") : nullptr;
    INITCOMMONCONTROLSEX wanted = {sizeof wanted, classes};
    return init && init(&wanted);
}

void showProgramIcon(HWND dialog)
{
    LPARAM icon = GetClassLongPtrA(GetParent(dialog), GCLP_HICON);
    SendMessageA(dialog, WM_SETICON, ICON_BIG, icon);
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, icon);
}
