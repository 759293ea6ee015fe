// The keyboard focus as a sighted user sees it: a dotted ring one face
// pixel wide just outside the focused control, drawn over the face on the
// screen and never into backBuffer, so that putting the face back from
// backBuffer takes it away.
#pragma once
#include <windows.h>

#include "layout.h"

// The control the ring is around; areaCount while none shows it.
extern AreaId focusRingControl;

// The ring moved to another control, or taken away with areaCount.
void showFocusRing(HWND window, AreaId control);
// Draws the ring where it belongs, on a context of the window; the swatch
// repaint ends with it, since its readouts come back from backBuffer.
void drawFocusRing(HDC dc);
