#include "win_fixture.h"
#include "app/settings.h"
#include "app/window.h"
#include "skin/draw.h"

#include <cstring>

void clearSettings()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKey);
}

bool putSetting(const char *name, DWORD type, const void *data, DWORD size)
{
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, settingsKey, &key) != ERROR_SUCCESS)
        return false;
    bool ok = RegSetValueExA(key, name, 0, type, (const BYTE *)data, size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
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

std::string clipboardText()
{
    std::string s = "(none)";
    if (OpenClipboard(nullptr)) {
        HANDLE h = GetClipboardData(CF_TEXT);
        if (h) {
            s = (const char *)GlobalLock(h);
            GlobalUnlock(h);
        }
        CloseClipboard();
    }
    return s;
}

void setClipboardText(const char *text)
{
    HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    strcpy((char *)GlobalLock(g), text);
    GlobalUnlock(g);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(g);
        return;
    }
    EmptyClipboard();
    SetClipboardData(CF_TEXT, g);
    CloseClipboard();
}

bool startChild(Child &child, const char *program, const char *args)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    strcpy(strrchr(path, '\\') + 1, program);
    std::string line = std::string("\"") + path + "\" " + args;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE write;
    if (!CreatePipe(&child.output, &write, &inherit, 0))
        return false;
    SetHandleInformation(child.output, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = write;
    bool ok = CreateProcessA(path, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                             &child.pi);
    CloseHandle(write);
    return ok;
}

std::string readLine(Child &child)
{
    std::string line;
    char c;
    DWORD got;
    while (ReadFile(child.output, &c, 1, &got, nullptr) && got == 1 && c != '\n')
        if (c != '\r')
            line += c;
    return line;
}

DWORD finishChild(Child &child, DWORD ms)
{
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(child.pi.hProcess, ms) == WAIT_OBJECT_0)
        GetExitCodeProcess(child.pi.hProcess, &status);
    else
        TerminateProcess(child.pi.hProcess, 99);
    CloseHandle(child.pi.hThread);
    CloseHandle(child.pi.hProcess);
    CloseHandle(child.output);
    return status;
}

HWND waitForWindow()
{
    HWND w = nullptr;
    for (int i = 0; i < 200 && !w; i++) {
        Sleep(50);
        w = FindWindowA("tinctoraWin", "Tinctora");
    }
    return w;
}

DWORD runProgramAndClose()
{
    Child program;
    if (!startChild(program, "tinctora.exe", ""))
        return 99;
    HWND w = waitForWindow();
    if (!w) {
        finishChild(program, 0);
        return 99;
    }
    PostMessageA(w, WM_CLOSE, 0, 0);
    return finishChild(program, 20000);
}
