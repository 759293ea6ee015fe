// The face's actions, one function each, whatever door they come through:
// a click on the face, the window menu, a key or assistive technology.
#pragma once
#include <windows.h>
#include <cstdint>

#include "core/colortext.h"
#include "skin/layout.h"

// What a click on a control does: an arrow steps the colour by 20, a
// title button toggles, minimises or closes. The swatch and the readouts
// do nothing.
void clickControl(HWND window, AreaId control);

// An arrow's operation by step: a channel's arrows step that channel, the
// bottom row lightens and darkens; up raises, down lowers.
void stepArrow(AreaId arrow, bool up, uint32_t step);
// Whether a click on the arrow raises: the up arrows and lighten.
bool arrowRaises(AreaId arrow);
bool isArrow(AreaId control);
// The keys and the wheel on a row of the face: a channel's readout or
// either of its arrows steps that channel, the bottom row (darken, the
// hexadecimal readout, lighten) lightens and darkens, as its arrows do.
// rowArrow is an arrow of the control's row, areaCount for a control on
// no row; stepRow does nothing there.
AreaId rowArrow(AreaId control);
void stepRow(AreaId control, bool up, uint32_t step);

// The form every copy of the whole colour takes, and the swatch's value
// with it.
void setCopyForm(HWND window, CopyForm form);
// The side of the square a pick averages, 1, 3 or 5 pixels; the swatch's
// description, which names it, told as changed.
void setSampleSize(HWND window, int size);

// The toggles: the option set, its title button lit while on, on the
// screen and in backBuffer, and the change announced. Saved with the other
// settings at the close, as ever.
void setSnapping(HWND window, bool on);
// Whether snapping (snapId) or always on top (topId) is on.
bool toggleOn(AreaId toggle);
// Always on top asks the system to put the window in the topmost band or
// take it out; the toggle then follows what the system did.
void setAlwaysOnTop(HWND window, bool on);
// The always-on-top toggle made the window's topmost state as the system
// has it, whoever changed that (this program, another one, the window
// manager): read at every change of the window's place or style.
void followTopmost(HWND window);
