#include "win_fixture.h"
#include "app/settings.h"
#include "app/window.h"
#include "skin/draw.h"

void clearSettings()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKey);
}

HWND startProgram()
{
    if (mainWindow)
        return mainWindow;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!initialise(instance) || !registerWindowClass(instance) || !createMainWindow(instance))
        return nullptr;
    ShowWindow(mainWindow, SW_SHOWNORMAL);
    UpdateWindow(mainWindow);
    pumpMessages();
    return mainWindow;
}

void pumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void sendPointer(HWND w, UINT msg, int x, int y)
{
    SendMessageA(w, msg, 0, MAKELPARAM(x, y));
}

void flushScreen()
{
    GdiFlush();
    for (int i = 0; i < 3; i++) {
        Sleep(40);
        pumpMessages();
    }
}

uint32_t screenPixel(int x, int y)
{
    HDC dc = GetDC(nullptr);
    uint32_t c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

uint32_t skinPixel(int x, int y, bool lit)
{
    // Loaded once and kept for the test process.
    static HDC dc;
    if (!dc) {
        dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, LoadBitmapA(GetModuleHandleA(nullptr), "TINCTORA_SKIN"));
    }
    return GetPixel(dc, x + (lit ? 83 : 0), y);
}
