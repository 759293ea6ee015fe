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
// The ring drawn where it belongs, after the whole face was put back.
void drawFocusRing(HWND window);
// The swatch repaint puts the readouts' wells back from backBuffer: a ring
// that crosses a well (an arrow's, beside it) is drawn again on the
// repaint's context. A ring elsewhere is left as it is.
void redrawFocusRingOnReadouts(HDC dc);
