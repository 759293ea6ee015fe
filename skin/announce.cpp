#include "announce.h"
#include "core/color.h"
#include "core/colorfamily.h"
#include "core/colornames.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/contrast.h"
#include "core/history.h"

#include <cstring>

// The colours and the copy form last announced; none at first, so that the
// first paint tells the values loaded from the settings.
static uint32_t toldColor = 0xFFFFFFFF, toldPrevious = 0xFFFFFFFF;
static int toldForm = -1;
static char toldTemplate[copyTemplateSize];
static int toldName = -1;  // the named colour, negative while not exact
static char toldContrast[24];
static int toldFamily = -1;  // the family's word, greyish and tone in one
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
    uint32_t shown = curColor & 0xFFFFFF, previous = oldColor & 0xFFFFFF;
    bool pinned = isPinned(shown);
    // The swatch's value is the copy, which the template's text changes too.
    bool copyChanged = shown != toldColor || copyForm != toldForm ||
                       (copyForm == copyCustom && strncmp(copyTemplate, toldTemplate, sizeof toldTemplate));
    if (!copyChanged && previous == toldPrevious && pinned == toldPinned)
        return;
    for (int c = 0; c < 3; c++)
        if ((shown ^ toldColor) & channelMasks[c])
            rowChanged(window, AreaId(redValueId + c));
    if (shown != toldColor)
        rowChanged(window, hexValueId);
    // The swatch's description leads with the colour's name and family,
    // says whether the colour is pinned and gives its contrast with the
    // previous colour.
    bool exact;
    int name = nearestNamedColor(shown, exact);
    name = exact ? name : -2 - name;
    char contrast[24];
    formatContrast(shown, previous, contrast, sizeof contrast);
    ColorFamily kind = colorFamily(shown);
    int family = kind.word * 8 + kind.greyish * 4 + kind.tone;
    if (name != toldName || pinned != toldPinned ||
        strncmp(contrast, toldContrast, sizeof toldContrast) || family != toldFamily)
        announceDescription(window, swatchId);
    toldName = name;
    toldFamily = family;
    toldPinned = pinned;
    lstrcpynA(toldContrast, contrast, sizeof toldContrast);
    if (copyChanged)
        valueChanged(window, swatchId);
    toldColor = shown;
    toldPrevious = previous;
    toldForm = copyForm;
    lstrcpynA(toldTemplate, copyTemplate, sizeof toldTemplate);
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
    toldFocus = control;
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, childIdOf(control));
}
