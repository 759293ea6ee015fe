#include "keypick.h"
#include "appmessages.h"
#include "eyedropper.h"
#include "gesturestate.h"
#include "actions.h"
#include "magnifier.h"
#include "core/color.h"
#include "core/sample.h"
#include "core/vision.h"

// The pointer is read this often while no message tells of its moves:
// with no button held the system reports none over other programs' windows.
const UINT keyPickPollMs = 15;

static bool running;
// The hook that takes the keys of a pick from the keyboard, from the
// pick's start until the pick is over and no key it took is held.
static HHOOK keyHook;
static HWND pickWindow;
// The colour pair from before the pick, for a cancel.
static uint32_t startColor, startOldColor;
// Set by the press that ended a pick until the next press of its own: that
// press's release, and the double-click it begins, belong to the pick.
static bool endingClick;
// The end of the last pick, until it is told: at once, or where a press
// ended the pick, at that press's release, since what the end sets off
// (the keyboard handed back to another program) would take the release
// and the capture away from the face.
static bool endUntold, endedTaken;

void (*keyPickEnded)(HWND window, bool taken);

static void tellEnd(HWND window)
{
    if (endUntold && keyPickEnded) {
        endUntold = false;
        keyPickEnded(window, endedTaken);
    }
}

bool keyPickRuns()
{
    return running;
}

void zoomPick(HWND window, int notches)
{
    if (pickerActive && zoomMagnifier(notches))
        sampleUnderPointer(window);
}

// The magnifier shows the next colour vision, the colour taken stays the
// one on the screen.
static void stepVisionFilter(HWND window)
{
    if (!pickerActive)
        return;
    visionFilter = (visionFilter + 1) % visionFilterCount;
    sampleUnderPointer(window);
}

void sizePick(HWND window, int steps)
{
    int size = steppedSampleSize(sampleSize, steps);
    if (!pickerActive || size == sampleSize)
        return;
    setSampleSize(window, size);
    sampleUnderPointer(window);
}

// [ and ] are the keys right of P on a US keyboard, whatever they type.
static bool keyActsOnPick(HWND window, WPARAM key, bool shifted, bool repeat)
{
    int by = shifted ? 10 : 1;
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        if (shifted && !repeat)
            takeAndGoOn(window);
        return shifted;
    case 'F':
        if (!repeat)
            switchStillScreen(window);
        return true;
    case VK_OEM_4: sizePick(window, -1); return true;
    case VK_OEM_6: sizePick(window, 1); return true;
    case VK_LEFT: movePickBy(window, -by, 0); return true;
    case VK_RIGHT: movePickBy(window, by, 0); return true;
    case VK_UP: movePickBy(window, 0, -by); return true;
    case VK_DOWN: movePickBy(window, 0, by); return true;
    case VK_OEM_PLUS:
    case VK_ADD: zoomPick(window, 1); return true;
    case VK_OEM_MINUS:
    case VK_SUBTRACT: zoomPick(window, -1); return true;
    case 'V': stepVisionFilter(window); return true;
    }
    return false;
}

bool pickKeyActs(HWND window, WPARAM key, bool repeat)
{
    return keyActsOnPick(window, key, GetKeyState(VK_SHIFT) < 0, repeat);
}

// The keys a pick from the keyboard uses, each its bit in heldKeys.
static unsigned pickKeyBit(DWORD key)
{
    static const DWORD keys[] = {VK_RETURN,   VK_SPACE, VK_ESCAPE, VK_LEFT,     VK_UP,
                                 VK_RIGHT,    VK_DOWN,  VK_OEM_PLUS, VK_ADD,    VK_OEM_MINUS,
                                 VK_SUBTRACT, 'V',      VK_OEM_4,  VK_OEM_6,    'F',
                                 'L'};
    for (unsigned i = 0; i < sizeof keys / sizeof *keys; i++)
        if (keys[i] == key)
            return 1u << i;
    return 0;
}

// The pick's keys whose press the hook took and whose release has not come.
// The system records no press that a hook takes: held on past the pick's
// end, such a key would repeat as a fresh press.
static unsigned heldKeys;

static void unhookKeys()
{
    if (keyHook)
        UnhookWindowsHookEx(keyHook);
    keyHook = nullptr;
}

void dropKeyHook()
{
    heldKeys = 0;
    unhookKeys();
}

// A crash leaves the process alive while the system reports it, its thread
// stopped: the hook would hold up every key of the desktop until then.
static LONG WINAPI dropKeyHookOnCrash(EXCEPTION_POINTERS *)
{
    dropKeyHook();
    return EXCEPTION_CONTINUE_SEARCH;
}

// Under Wine a window handed to the window manager, as Wine's default has
// it (with a manager or without one), is activated without the X keyboard
// focus: the keys pressed where the pick hotkey was (another program's
// window) would go on reaching that program, and the pick would hear none.
// The presses of the pick's keys are taken before any window gets them and
// handed to the face, with Shift as it is now, and with Alt held as
// without it; the releases and the other keys go where they would. A press
// is a repeat while its key is held: taken before, or down before the hook
// began (the state of a key is recorded after the hook). Once the pick is
// over, only the repeats of a key still held are taken, until its release,
// which comes as a key's or, with Alt held, as a system key's.
static LRESULT CALLBACK takePickKey(int code, WPARAM wp, LPARAM lp)
{
    const KBDLLHOOKSTRUCT &key = *(const KBDLLHOOKSTRUCT *)lp;
    unsigned bit = code == HC_ACTION ? pickKeyBit(key.vkCode) : 0;
    bool released = key.flags & LLKHF_UP;
    if (bit && !released && (running || (heldKeys & bit))) {
        bool repeat = (heldKeys & bit) || GetAsyncKeyState(key.vkCode) < 0;
        bool shifted = GetAsyncKeyState(VK_SHIFT) < 0;
        if (running)
            PostMessageA(pickWindow, hookedKeyMsg, key.vkCode, repeat | shifted << 1);
        heldKeys |= bit;
        return 1;
    }
    if (bit && released) {
        heldKeys &= ~bit;
        if (!running && !heldKeys)
            unhookKeys();
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// The preview shows the pixel under the pointer at once, wherever it is.
void startKeyPick(HWND window)
{
    if (running || buttonDown || pickerActive)
        return;
    tellEnd(window);
    startColor = curColor;
    startOldColor = oldColor;
    GetCursorPos(&cursorPos);
    lastCursor = cursorPos;
    beginPick(window);
    grabPickPointer();
    running = true;
    pickWindow = window;
    if (!keyHook)
        keyHook = SetWindowsHookExA(WH_KEYBOARD_LL, takePickKey, GetModuleHandleA(nullptr), 0);
    static bool crashWatched;
    if (!crashWatched)
        SetUnhandledExceptionFilter(dropKeyHookOnCrash);
    crashWatched = true;
    SetTimer(window, keyPickTimerId, keyPickPollMs, nullptr);
    sampleUnderPointer(window);
}

// Taken, with the undo point the start set, or cancelled with the colour
// pair as it was. Cleared first: the capture's loss that the release
// reports then finds no pick to end. Ended by a press, the capture and the
// grab are kept for that press's release.
static void endKeyPick(HWND window, bool take, bool byPress = false)
{
    running = false;
    if (!heldKeys)
        unhookKeys();
    KillTimer(window, keyPickTimerId);
    if (take) {
        endPick(window);
    } else {
        putBackPickStart(startColor, startOldColor);
        dropPick(window);
    }
    endUntold = true;
    endedTaken = take;
    if (!byPress) {
        releaseOwnCapture(window);
        tellEnd(window);
    }
}

void cancelKeyPick(HWND window)
{
    if (running)
        endKeyPick(window, false);
}

static void followPointer(HWND window)
{
    POINT at;
    GetCursorPos(&at);
    if (at.x == lastCursor.x && at.y == lastCursor.y)
        return;
    cursorPos = lastCursor = at;
    sampleUnderPointer(window);
}

// A held Enter or Space repeats: only a fresh press ends the pick, not the
// repeat of the one that began it.
static void onPickKey(HWND window, WPARAM key, bool repeat, bool shifted)
{
    if ((key == VK_RETURN || key == VK_SPACE) && !repeat && !shifted) {
        endKeyPick(window, true);
    } else if (key == VK_ESCAPE) {
        endKeyPick(window, false);
    } else if (key == 'L') {
        if (repeat)
            return;
        watchWhenPickEnds();
        endKeyPick(window, true);
    } else {
        keyActsOnPick(window, key, shifted, repeat);
    }
}

// A left press takes the colour under the pointer, as Enter does; any other
// press cancels, as Escape does. Its release comes to the face, which
// keeps the capture and the pick's grab until then: under Wine a release
// over a window of another program would act there (a right click's opens
// its context menu), and one over the bare desktop or a native window would
// reach no Wine program, which would go on reporting the button down.
static void onPickPress(HWND window, bool take)
{
    if (take)
        followPointer(window);
    holdPickClip();
    endKeyPick(window, take, true);
    endingClick = true;
}

static void releaseEndingClick(HWND window)
{
    releasePickClip();
    releaseOwnCapture(window);
    tellEnd(window);
}

// After the press that ended a pick: its release and a double-click's
// second press do nothing; a press of its own is the face's again.
static bool endingClickTakes(HWND window, UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        endingClick = false;
        releaseEndingClick(window);
        return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: releaseEndingClick(window); return true;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: return true;
    // Taken away before the release came: no release will.
    case WM_CAPTURECHANGED: tellEnd(window); return false;
    }
    return false;
}

bool keyPickTakes(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!running)
        return endingClick && endingClickTakes(window, msg);
    switch (msg) {
    case WM_SYSKEYDOWN:
        if (!pickKeyBit((DWORD)wp))
            return false;
        [[fallthrough]];
    case WM_KEYDOWN: onPickKey(window, wp, lp & 0x40000000, GetKeyState(VK_SHIFT) < 0); return true;
    case hookedKeyMsg: onPickKey(window, wp, lp & 1, lp & 2); return true;
    case WM_HOTKEY: endKeyPick(window, true); return true;
    case WM_MOUSEMOVE: followPointer(window); return true;
    case WM_TIMER:
        if (wp != keyPickTimerId)
            return false;
        followPointer(window);
        return true;
    case WM_KILLFOCUS: endKeyPick(window, false); return false;
    case WM_CAPTURECHANGED:
        if (captureTakenAway())
            endKeyPick(window, false);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (wp & MK_SHIFT) {
            followPointer(window);
            takeAndGoOn(window);
        } else {
            onPickPress(window, true);
        }
        return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: onPickPress(window, false); return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return true;
    }
    return false;
}
