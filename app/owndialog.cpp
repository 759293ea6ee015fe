#include "owndialog.h"
#include "input/appmessages.h"
#include "input/gesturestate.h"
#include "input/keypick.h"

static bool open;

bool ownDialogOpen()
{
    return open;
}

bool beginOwnDialog(HWND window)
{
    if (open) {
        SetForegroundWindow(GetLastActivePopup(window));
        return false;
    }
    open = true;
    return true;
}

// The system activates the face as the dialog goes, but under Wine with
// windows that no window manager handles (the run script's prefix) the X
// focus may stay where the manager put it when the dialog's window went:
// the face then hears no key, not even after a click. Wine hands the X
// focus to such a window only when its keyboard focus changes, stamped
// with the time of the message the thread took last, so this waits for a
// message posted now, whose time is later than the manager's move.
void endOwnDialog(HWND window)
{
    open = false;
    PostMessageA(window, dialogClosedMsg, 0, 0);
}

// Not during a pick or a gesture begun meanwhile: a lost focus ends them.
void onDialogClosed(HWND window)
{
    if (open || GetActiveWindow() != window || keyPickRuns() || gestureRuns())
        return;
    SetFocus(nullptr);
    SetFocus(window);
}
