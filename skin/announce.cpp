#include "announce.h"
#include "core/color.h"
#include "core/colornames.h"
#include "core/colortext.h"
#include "core/history.h"

// The colour and the copy form last announced; none at first, so that the
// first paint tells the values loaded from the settings.
static uint32_t toldColor = 0xFFFFFFFF;
static int toldForm = -1;
static int toldName = -1;  // the named colour, negative while not exact
static bool toldPinned;
static AreaId toldFocus = areaCount;  // the control a reader was last told has the focus

LONG childIdOf(AreaId control)
{
    for (int i = 0; i < controlCount; i++)
        if (readingOrder[i] == control)
            return i + 1;
    return CHILDID_SELF;
}

static void valueChanged(HWND window, AreaId control)
{
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, childIdOf(control));
}

// A row's value changed: its readout's, and the focused control's when that
// is an arrow of the row, since readers speak the changes of the focused
// object only.
static void rowChanged(HWND window, AreaId readout)
{
    valueChanged(window, readout);
    if (toldFocus != readout && rowReadout(toldFocus) == readout && GetFocus() == window)
        valueChanged(window, toldFocus);
}

void announceShownColor(HWND window)
{
    uint32_t shown = curColor & 0xFFFFFF;
    bool pinned = isPinned(shown);
    if (shown == toldColor && copyForm == toldForm && pinned == toldPinned)
        return;
    static const uint32_t masks[3] = {redMask, greenMask, blueMask};
    for (int c = 0; c < 3; c++)
        if ((shown ^ toldColor) & masks[c])
            rowChanged(window, AreaId(redValueId + c));
    if (shown != toldColor)
        rowChanged(window, hexValueId);
    // The swatch's description leads with the colour's name and says
    // whether the colour is pinned.
    bool exact;
    int name = nearestNamedColor(shown, exact);
    name = exact ? name : -2 - name;
    if (name != toldName || pinned != toldPinned)
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, childIdOf(swatchId));
    toldName = name;
    toldPinned = pinned;
    if (shown != toldColor || copyForm != toldForm)
        valueChanged(window, swatchId);
    toldColor = shown;
    toldForm = copyForm;
}

void announceToggle(HWND window, AreaId toggle)
{
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, childIdOf(toggle));
}

void announceFocus(HWND window, AreaId control)
{
    toldFocus = control;
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, childIdOf(control));
}
