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

void announceShownColor(HWND window)
{
    uint32_t shown = curColor & 0xFFFFFF;
    bool pinned = isPinned(shown);
    if (shown == toldColor && copyForm == toldForm && pinned == toldPinned)
        return;
    static const uint32_t masks[3] = {redMask, greenMask, blueMask};
    for (int c = 0; c < 3; c++)
        if ((shown ^ toldColor) & masks[c])
            valueChanged(window, AreaId(redValueId + c));
    if (shown != toldColor)
        valueChanged(window, hexValueId);
    // The swatch's description leads with the colour's name and says
    // whether the colour is pinned.
    bool exact;
    int name = nearestNamedColor(shown, exact);
    name = exact ? name : -2 - name;
    if (name != toldName || pinned != toldPinned)
        announceDescription(window, swatchId);
    toldName = name;
    toldPinned = pinned;
    if (shown != toldColor || copyForm != toldForm)
        valueChanged(window, swatchId);
    toldColor = shown;
    toldForm = copyForm;
}

void announceDescription(HWND window, AreaId control)
{
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, childIdOf(control));
}

void announceToggle(HWND window, AreaId toggle)
{
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, childIdOf(toggle));
}

void announceFocus(HWND window, AreaId control)
{
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, childIdOf(control));
}
