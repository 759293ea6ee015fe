#include "actions.h"
#include "core/color.h"
#include "core/options.h"
#include "core/sample.h"
#include "skin/announce.h"
#include "skin/draw.h"
#include "skin/regions.h"

const uint32_t clickStep = 20;

bool arrowRaises(AreaId arrow)
{
    return (arrow - firstArrowId) % 2 == 0;
}

bool isArrow(AreaId control)
{
    return control >= firstArrowId && control < firstArrowId + arrowButtonCount;
}

AreaId rowArrow(AreaId control)
{
    switch (control) {
    case redValueId: return redUpId;
    case greenValueId: return greenUpId;
    case blueValueId: return blueUpId;
    case hexValueId: return lightenId;
    default: return isArrow(control) ? control : areaCount;
    }
}

void stepRow(AreaId control, bool up, uint32_t step)
{
    AreaId arrow = rowArrow(control);
    if (arrow != areaCount)
        stepArrow(arrow, up, step);
}

void stepArrow(AreaId arrow, bool up, uint32_t step)
{
    // Arrows come in pairs, up then down: red, green, blue, lighten and darken.
    unsigned row = (arrow - firstArrowId) / 2;
    if (row < 3)
        up ? stepChannelUp(channelMasks[row], step) : stepChannelDown(channelMasks[row], step);
    else
        up ? lightenColor(step) : darkenColor(step);
}

// A toggle's look goes onto the window and into backBuffer, so that
// repaints and the title hover show the option's state.
static void showToggle(HWND window, ButtonRecord &b, bool on)
{
    void (*draw)(HDC, HRGN) = on ? drawLit : drawNormal;
    HDC dc = GetDC(window);
    if (dc) {
        draw(dc, b.region);
        ReleaseDC(window, dc);
    }
    draw(backBuffer, b.region);
}

bool toggleOn(AreaId toggle)
{
    // Any tolerance but 0 is on, also one stored by hand.
    return toggle == snapId ? snapTol != 0 : alwyOnTop != 0;
}

void setSnapping(HWND window, bool on)
{
    snapTol = on ? snapOnTol : 0;
    snapBtn.pressed = on;
    showToggle(window, snapBtn, on);
    announceToggle(window, snapId);
}

void setAlwaysOnTop(HWND window, bool on)
{
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    followTopmost(window);
}

void followTopmost(HWND window)
{
    bool on = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    // Before the surfaces exist the creation sets the state from the toggle.
    if (on == toggleOn(topId) || !backBuffer)
        return;
    alwyOnTop = topBtn.pressed = on;
    showToggle(window, topBtn, on);
    announceToggle(window, topId);
}

void setCopyForm(HWND window, CopyForm form)
{
    copyForm = form;
    announceShownColor(window);
}

void setSampleSize(HWND window, int size)
{
    sampleSize = size;
    announceDescription(window, swatchId);
}

void clickControl(HWND window, AreaId control)
{
    switch (control) {
    case snapId: setSnapping(window, !toggleOn(snapId)); break;
    case topId: setAlwaysOnTop(window, !toggleOn(topId)); break;
    case minId: CloseWindow(window); break;
    // The destroy handling saves the settings and ends the loop.
    case closeId: SendMessageA(window, WM_DESTROY, 0, 0); break;
    default:
        if (isArrow(control))
            stepArrow(control, arrowRaises(control), clickStep);
        break;
    }
}
