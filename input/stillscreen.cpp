#include "stillscreen.h"
#include "skin/wine.h"

static const char stillClass[] = "tinctoraStill";
static bool registered;
// The copy: a DIB of the virtual screen in a context of its own whose
// window origin is the virtual screen's top-left, so that the screen's
// coordinates read from it as from the screen.
static HDC still;
static HBITMAP stillBitmap;
static HGDIOBJ stillFirstBitmap;
static RECT copied;  // the virtual screen the copy holds
static HWND stillOwner;
// The window that shows the copy.
static HWND shown;

static LRESULT CALLBACK stillProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        const RECT &p = ps.rcPaint;
        if (still)
            BitBlt(dc, p.left, p.top, p.right - p.left, p.bottom - p.top, still,
                   copied.left + p.left, copied.top + p.top, SRCCOPY);
        EndPaint(window, &ps);
        return 0;
    }
    // A monitor gone or moved, another resolution, another scale: the copy
    // would show the old screen at the wrong places or sizes. The pick goes
    // on reading the live screen.
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED: dropStillScreen(); return 0;
    }
    return DefWindowProcA(window, msg, wp, lp);
}

void registerStillScreenClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = stillProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_CROSS);
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    wc.lpszClassName = stillClass;
    registered = RegisterClassA(&wc) != 0;
}

bool takeStillScreen(HWND owner)
{
    dropStillScreen();
    if (!registered)
        return false;
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    still = CreateCompatibleDC(nullptr);
    // Two 4K monitors take 66 MB: a failure here leaves the pick live.
    stillBitmap = still ? CreateDIBSection(still, &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    HDC screen = stillBitmap ? GetDC(nullptr) : nullptr;
    // CAPTUREBLT: layered windows too, as menus and tooltips may be.
    bool read = screen && (stillFirstBitmap = SelectObject(still, stillBitmap)) &&
                BitBlt(still, 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT);
    if (screen)
        ReleaseDC(nullptr, screen);
    if (!read) {
        dropStillScreen();
        return false;
    }
    SetWindowOrgEx(still, left, top, nullptr);
    copied = {left, top, left + width, top + height};
    stillOwner = owner;
    return true;
}

// Under Wine a pop-up that covers a whole monitor's work area goes to the
// window manager, which would frame it, place it and give it the keyboard
// focus that the pick needs, and a pop-up made later that lies wholly
// within it shows black (the magnifier would): a child of the desktop
// window has neither fault, and the window manager leaves it alone.
void showStillScreen()
{
    if (!still || shown)
        return;
    bool wine = underWine();
    shown = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, stillClass, "",
                            wine ? WS_CHILD : WS_POPUP, copied.left, copied.top,
                            copied.right - copied.left, copied.bottom - copied.top,
                            wine ? GetDesktopWindow() : nullptr, nullptr,
                            (HINSTANCE)GetWindowLongPtrA(stillOwner, GWLP_HINSTANCE), nullptr);
    if (!shown)
        return;
    SetWindowPos(shown, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(shown);
}

HDC stillScreenDC()
{
    return still;
}

void dropStillScreen()
{
    // Cleared first: the window's destruction finds nothing more to drop.
    HWND window = shown;
    shown = nullptr;
    if (window)
        DestroyWindow(window);
    if (still && stillFirstBitmap)
        SelectObject(still, stillFirstBitmap);
    if (still)
        DeleteDC(still);
    if (stillBitmap)
        DeleteObject(stillBitmap);
    still = nullptr;
    stillBitmap = nullptr;
    stillFirstBitmap = nullptr;
}
