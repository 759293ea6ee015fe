#include "window.h"
#include "accessible.h"
#include "colorwords.h"
#include "swatchmenu.h"
#include "commandrequest.h"
#include "contextmenu.h"
#include "hoverhelp.h"
#include "instance.h"
#include "owndialog.h"
#include "pickhotkey.h"
#include "windowmenu.h"
#include "skin/fatal.h"
#include "settings.h"
#include "texts.h"
#include "core/color.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/history.h"
#include "core/options.h"
#include "core/sample.h"
#include "input/actions.h"
#include "input/appmessages.h"
#include "input/eyedropper.h"
#include "input/focus.h"
#include "input/gesture.h"
#include "input/gestureend.h"
#include "input/keypick.h"
#include "input/keys.h"
#include "input/magnifier.h"
#include "input/wheel.h"
#include "input/windowmove.h"
#include "skin/draw.h"
#include "skin/layout.h"
#include "skin/regions.h"

HWND mainWindow;
HACCEL accelTable;

static void repaintSwatch()
{
    paintSwatch(mainWindow, swatchRgn);
}

// Every pick from the keyboard, whatever started it and however it ended.
static void onKeyPickEnded(HWND window, bool taken)
{
    answerCommandPick(window, taken);
    returnKeyboard(window);
}

bool initialise(HINSTANCE instance)
{
    alwyOnTop = 0;
    snapTol = snapOnTol;
    dragMoving = pickerActive = buttonDown = 0;
    undoArmed = 1;
    windowRect.left = windowRect.top = (LONG)CW_USEDEFAULT;
    curColor = oldColor = 0;
    copyForm = copyHex;
    copyTemplate[0] = '\0';
    copyOnPick = 0;
    sampleSize = 1;
    magnifierZoom = defaultZoom;
    pickHotkey = defaultPickHotkey;
    recentColors.count = pinnedColors.count = 0;
    // The system's scale until the window knows its own display's.
    faceScale = scaleForDpi(windowDpi(nullptr));
    buildSwatchRegions();
    loadSettings();
    loadTexts();
    buildRegions();
    skinBitmap = LoadBitmapA(instance, "TINCTORA_SKIN");
    if (!skinBitmap)
        return false;
    // A stored place that no monitor shows any of (a monitor unplugged, the
    // resolution lowered) would open the borderless window out of reach.
    int width = faceWidth * faceScale, height = faceHeight * faceScale;
    if (windowRect.left != (LONG)CW_USEDEFAULT)
        bringOntoWorkArea(windowRect.left, windowRect.top, width, height);
    windowRect.right = windowRect.left + width;
    windowRect.bottom = windowRect.top + height;
    colorChanged = repaintSwatch;
    pickBegun = hideHoverHelp;
    keyPickEnded = onKeyPickEnded;
    visionFilterWord = visionText;
    return true;
}

bool registerWindowClass(HINSTANCE instance)
{
    // A window of the wide API: its menus, tooltip and dialogs show every
    // language whatever the system's ANSI code page.
    WNDCLASSW wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"TINCTORA_ICON");
    wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    wc.lpszClassName = faceClassName;
    if (!RegisterClassW(&wc))
        return false;
    registerMagnifierClass(instance);
    return true;
}

HWND createMainWindow(HINSTANCE instance)
{
    mainWindow = CreateWindowExW(0, faceClassName, L"Tinctora",
                                 WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                                 windowRect.left, windowRect.top,
                                 windowRect.right - windowRect.left,
                                 windowRect.bottom - windowRect.top,
                                 nullptr, nullptr, instance, nullptr);
    if (mainWindow)
        accelTable = LoadAcceleratorsA(instance, "TINCTORA_ACCL");
    return mainWindow;
}

// A close or the session's end during a pick takes nothing: the pick is
// cancelled, and the colours from before it are the ones saved. No key of
// another program is taken from then on, not even one still held.
static void cancelPick(HWND window)
{
    cancelKeyPick(window);
    dropKeyHook();
    if (pickerActive)
        cancelGesture(window);
}

// Said once the window has gone; at the session's end nothing is shown,
// since nothing may hold the end up.
static void tellNotSaved()
{
    wchar_t text[600];
    tellUser(nullptr, saveFailure(text, 600));
}

static void onDestroy(HWND window)
{
    cancelPick(window);
    releasePickClip();
    abandonCommandPick();
    disconnectAccessibleFace();
    unregisterPickHotkey(window);
    // Hidden, the window is one that a second start waits to see gone
    // rather than hands over to. DestroyWindow (Alt+F4) has hidden it
    // already; the close button's WM_DESTROY has not.
    ShowWindow(window, SW_HIDE);
    bool saved = saveSettings();
    // Saved: a start from now on may begin at once.
    leaveInstance();
    deleteSurfaces();
    if (!saved)
        tellNotSaved();
    PostQuitMessage(0);
}

// At logoff or shutdown the system ends the process after this message,
// without WM_DESTROY: the session is saved here as a close would save it.
static void onEndSession(HWND window, WPARAM ending)
{
    if (ending) {
        cancelPick(window);
        releasePickClip();
        saveSettings();
    }
}

// A monitor gone or the resolution lowered may leave the window where no
// monitor shows it, and a pick's clip where no screen is.
static void onDisplayChange(HWND window)
{
    refreshWindowRects(window);
    keepOnAWorkArea(window);
    refreshPickClip();
}

static BOOL CALLBACK tellDialog(HWND window, LPARAM)
{
    if (window != mainWindow)
        SendMessageW(window, languageChangedMsg, 0, 0);
    return TRUE;
}

// Another language in use: the window menu, the tooltip, the names screen
// readers read and every dialog open show it at once. A menu open then
// closes first, and the change waits for its loop to end.
static void onLanguageChanged(HWND window)
{
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &gui) && gui.flags & GUI_INMENUMODE) {
        EndMenu();
        PostMessageW(window, languageChangedMsg, 0, 0);
        return;
    }
    addWindowMenuItems(window);
    resetHoverHelp();
    announceNamesChanged(window);
    EnumThreadWindows(GetCurrentThreadId(), tellDialog, 0);
}

// A setting of the system's changed: the work area, or Windows' display
// languages, which the language follows unless one was chosen.
static void onSettingChange(HWND window)
{
    refreshWindowRects(window);
    if (chosenLanguage < 0 && loadTexts())
        onLanguageChanged(window);
}

// After a restore: the window onto a monitor as after a change of the
// displays, and its place told to the system once more, since Wine lets
// the X window of a managed window follow only the moves made after the
// restore is over.
static void onRestored(HWND window)
{
    onDisplayChange(window);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// A restore from minimised follows the start-up's rule: a monitor that
// went away meanwhile must not leave the borderless window out of reach.
// The move waits until the restore's own SetWindowPos has finished, which
// would otherwise overtake it (under Wine the X window stays where the
// restore put it). Every other change of size is reported alike; there
// the window is on a monitor and only the rectangles are read again. A
// minimise ends the gesture it interrupts.
static void onSize(HWND window, WPARAM kind)
{
    if (kind == SIZE_RESTORED)
        PostMessageW(window, keepOnScreenMsg, 0, 0);
    else if (kind == SIZE_MINIMIZED) {
        markMinimised();
        abandonGesture(window);
    }
}

// The system asks the size at another scale before it changes it: the face
// takes whole multiples of its size, not the linear one the system would
// otherwise suggest and then see refused.
static LRESULT onGetDpiScaledSize(HWND, WPARAM wp, LPARAM lp)
{
    SIZE &size = *(SIZE *)lp;
    int k = scaleForDpi(LOWORD(wp));
    size.cx = faceWidth * k;
    size.cy = faceHeight * k;
    return TRUE;
}

// Minimised, the window's rectangle is its icon's: the new size goes to the
// place the window is restored at, and to windowRect, which holds it.
static void resizeRestoredPlace(HWND window, int k)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window, &placement)) {
        RECT &r = placement.rcNormalPosition;
        r.right = r.left + faceWidth * k;
        r.bottom = r.top + faceHeight * k;
        placement.showCmd = SW_SHOWMINNOACTIVE;
        SetWindowPlacement(window, &placement);
    }
    windowRect.right = windowRect.left + faceWidth * k;
    windowRect.bottom = windowRect.top + faceHeight * k;
}

// A change of scale that comes while the window is being created, before
// its surfaces exist; taken once they do.
static WPARAM deferredDpi;
static RECT deferredPlace;

// The window went to a display of another scale, or the scale changed:
// the face is built anew at the new scale and takes the top-left of the
// place the system suggests, at its own size.
static void onDpiChanged(HWND window, WPARAM wp, LPARAM lp)
{
    const RECT &suggested = *(const RECT *)lp;
    if (!backBuffer) {
        deferredDpi = wp;
        deferredPlace = suggested;
        return;
    }
    int k = scaleForDpi(LOWORD(wp));
    if (k != faceScale) {
        rescaleFace(window, k);
        placeHoverHelp(window);
        rescaleMagnifier();
    }
    if (IsIconic(window))
        resizeRestoredPlace(window, k);
    else
        SetWindowPos(window, nullptr, suggested.left, suggested.top, faceWidth * k,
                     faceHeight * k, SWP_NOZORDER | SWP_NOACTIVATE);
    refreshWindowRects(window);
    InvalidateRect(window, nullptr, FALSE);
}

static void onCreate(HWND window)
{
    mainWindow = window;
    createSurfaces(window);
    refreshWindowRects(window);
    addWindowMenuItems(window);
    registerPickHotkey(window);
    openStartPalette(window);
    if (deferredDpi) {
        WPARAM wp = deferredDpi;
        deferredDpi = 0;
        onDpiChanged(window, wp, (LPARAM)&deferredPlace);
    }
    followTopmost(window);
}

LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    if (keyPickTakes(window, msg, wp, lp))
        return 0;
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
        relayToHoverHelp(window, msg, wp, lp);
        onFocusMouse(window, msg);
    }
    switch (msg) {
    case WM_CREATE: onCreate(window); return 0;
    case WM_DESTROY: onDestroy(window); return 0;
    case WM_ENDSESSION: onEndSession(window, wp); return 0;
    case WM_PAINT: onPaint(window); return 0;
    case WM_SETTINGCHANGE: onSettingChange(window); return 0;
    case languageChangedMsg: onLanguageChanged(window); return 0;
    case WM_DISPLAYCHANGE: onDisplayChange(window); return 0;
    case WM_CHAR: onChar(window, wp, lp); return 0;
    case WM_KEYDOWN: onKeyDown(window, wp, lp); return 0;
    case WM_KEYUP:
        if (onKeyUp(window, wp))
            return 0;
        break;
    case WM_CONTEXTMENU:
        if (!menuWaitsForRelease(window, msg, wp, lp))
            onContextMenu(window);
        return 0;
    case WM_SETFOCUS: onSetFocus(window); return 0;
    case WM_KILLFOCUS: onKillFocus(window); return 0;
    case WM_MOUSEWHEEL: onMouseWheel(window, wp, lp); return 0;
    // A submenu of the window menu sends its items as commands.
    case WM_COMMAND:
        if (!runProgramCommand(window, LOWORD(wp)))
            onCommand(window, wp, lp);
        return 0;
    case WM_TIMER:
        if (wp == holdTimerId)
            onHoldTimer(window);
        else if (wp == resampleTimerId)
            onResampleTimer(window);
        else if (wp == buttonWatchTimerId)
            onButtonWatchTimer(window);
        else if (wp == menuWaitTimerId)
            onMenuWaitTimer(window);
        else if (wp == answerRetryTimerId)
            onAnswerRetryTimer(window);
        return 0;
    case WM_MOUSEMOVE: onMouseMove(window, wp, lp); return 0;
    case WM_LBUTTONDOWN: onLeftButtonDown(window, wp, lp); return 0;
    case WM_LBUTTONUP: onLeftButtonUp(window, wp, lp); return 0;
    case WM_LBUTTONDBLCLK: onLeftButtonDoubleClick(window, wp, lp); return 0;
    case WM_RBUTTONUP: onRightButtonUp(window, wp, lp); return 0;
    case WM_CAPTURECHANGED: onCaptureChanged(window, wp, lp); return 0;
    case WM_DPICHANGED: onDpiChanged(window, wp, lp); return 0;
    case WM_GETOBJECT: return onGetObject(window, wp, lp);
    case WM_NOTIFY: onNotify(window, lp); return 0;
    case WM_INITMENU: onInitMenu(window, wp); return 0;
    case WM_INITMENUPOPUP: onInitMenuPopup(window, wp); return 0;
    case WM_UNINITMENUPOPUP: onUninitMenuPopup(window, wp); return 0;
    case WM_EXITMENULOOP: onExitMenuLoop(window); return 0;
    case WM_MEASUREITEM:
        if (onMeasureItem(window, lp))
            return TRUE;
        break;
    case WM_DRAWITEM:
        if (onDrawItem(window, lp))
            return TRUE;
        break;
    case WM_MENUCHAR:
        if (LRESULT chosen = onMenuChar(window, wp, lp))
            return chosen;
        break;
    // The window menu, or the system's move or size loop, takes over the
    // pointer: the gesture it interrupts ends where it is. A tip left
    // showing would lie over the menu.
    case WM_ENTERMENULOOP: hideHoverHelp(window); [[fallthrough]];
    case WM_ENTERSIZEMOVE: abandonGesture(window); return 0;
    case WM_HOTKEY: onHotKey(window, wp); return 0;
    case WM_COPYDATA: return onCopyData(window, wp, lp);
    case keepOnScreenMsg: onRestored(window); return 0;
    case openPaletteMsg: onOpenPalette(window); return 0;
    case dialogClosedMsg: onDialogClosed(window); return 0;
    case WM_GETMINMAXINFO: onGetMinMaxInfo(window, lp); return 0;
    case WM_WINDOWPOSCHANGING: onWindowPosChanging(window, lp); break;
    case WM_WINDOWPOSCHANGED:
        onWindowPosChanged(window);
        followTopmost(window);
        break;
    case WM_STYLECHANGED: followTopmost(window); return 0;
    case WM_SYSCOMMAND:
        if (menuWaitsForRelease(window, msg, wp, lp) || onSysCommand(window, wp))
            return 0;
        break;
    case WM_SETCURSOR:
        if (keepPickCursor())
            return TRUE;
        break;
    case WM_GETDPISCALEDSIZE: return onGetDpiScaledSize(window, wp, lp);
    case WM_SIZE: onSize(window, wp); return 0;
    }
    return DefWindowProcW(window, msg, wp, lp);
}

// GetMessageA returns -1 on an error; looping on nonzero would spin.
int runMessageLoop()
{
    MSG msg;
    int status;
    while ((status = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (accelTable && TranslateAcceleratorW(mainWindow, accelTable, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return status == 0 ? (int)msg.wParam : 1;
}

int runTinctora(HINSTANCE instance, int show)
{
    if (handedToRunningInstance())
        return 0;
    if (!initialise(instance))
        fatalFailure();
    if (!registerWindowClass(instance))
        fatalFailure();
    if (!createMainWindow(instance))
        fatalFailure();
    ShowWindow(mainWindow, show);
    UpdateWindow(mainWindow);
    return runMessageLoop();
}
