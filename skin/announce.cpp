#include "announce.h"
#include "core/color.h"

// The colour last announced; none at first, so that the first paint tells
// the values loaded from the settings.
static uint32_t toldColor = 0xFFFFFFFF;

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
    if (shown == toldColor)
        return;
    static const uint32_t masks[3] = {redMask, greenMask, blueMask};
    for (int c = 0; c < 3; c++)
        if ((shown ^ toldColor) & masks[c])
            valueChanged(window, AreaId(redValueId + c));
    valueChanged(window, hexValueId);
    valueChanged(window, swatchId);
    toldColor = shown;
}

void announceToggle(HWND window, AreaId toggle)
{
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, childIdOf(toggle));
}
