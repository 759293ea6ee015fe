// The face as assistive technology sees it: the window's client object,
// whose children are the seventeen controls of the face in reading order,
// each with its name, role, state, value, place and default action. The
// actions run through the same functions as a click.
#pragma once
#include <windows.h>

#include "skin/layout.h"

// IAccessible's interface id.
extern const IID accessibleIid;

// WM_GETOBJECT: the face's object for OBJID_CLIENT, the system's answer
// for every other object id.
LRESULT onGetObject(HWND window, WPARAM wp, LPARAM lp);
// At WM_DESTROY: the object no longer reaches the window; clients that
// still hold it get CO_E_OBJNOTCONNECTED.
void disconnectAccessibleFace();
// Another language in use: readers told that every name and description
// changed.
void announceNamesChanged(HWND window);

// A control's accessible name ("Raise red") and a short hint on its use,
// empty where the name says it all; the swatch's hint leads with the
// current colour's name and the sample size when it is not one pixel
// ("near dark orange; picks the 3 by 3 average; press and hold ...").
const wchar_t *controlName(AreaId control);
// The longest hint, its zero included.
const int hintSize = 600;
const wchar_t *controlHint(AreaId control);
