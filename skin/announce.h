// Tells assistive technology when what the face shows changes: the values
// of the swatch and the readouts, and the state of the two toggles. Each
// control is a child of the window's client object, numbered by its place
// in readingOrder.
#pragma once
#include <windows.h>

#include "layout.h"

// The control's child id, 1 to controlCount.
LONG childIdOf(AreaId control);

// A value-change event for each readout whose text differs from what was
// last announced, and for the focused arrow of its row, and for the swatch, whose value is the colour in the copy
// form, when either changed, and a description change for the swatch when
// the colour's name or its contrast with the previous colour changed or the
// colour was pinned or unpinned; the first call announces all.
void announceShownColor(HWND window);
// While set, announceShownColor tells nothing: a watched point's steps are
// told at most once a second, by a call of its own.
extern bool colorAnnouncementsHeld;
// A description-change event for a control.
void announceDescription(HWND window, AreaId control);
// A state-change event for a toggle.
void announceToggle(HWND window, AreaId toggle);
// A focus event for the control that has the keyboard focus now: readers
// speak the values and states of the focused object only.
void announceFocus(HWND window, AreaId control);
