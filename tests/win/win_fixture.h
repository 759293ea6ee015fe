// Starts the real program inside the test process: start values, settings,
// regions, skin, class and window, exactly as the entry does, with the
// window shown at the top-left of the test display.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// Deletes the program's registry key so a run starts as a first run.
void clearSettings();

// Writes one value under the program's key, creating the key; false when
// either fails.
bool putSetting(const char *name, DWORD type, const void *data, DWORD size);

// Runs start-up once per test process and shows the window; later calls
// return the same window.
HWND startProgram();

// Handles every message waiting for this thread.
void pumpMessages();

// Sends a pointer message with a face point.
void sendPointer(HWND w, UINT msg, int x, int y);

// Lets Wine hand what was drawn to the X server, so the screen shows it.
void flushScreen();

// Screen pixel as 0x00BBGGRR.
uint32_t screenPixel(int x, int y);

// The skin image's pixel of the normal or lit frame at face point (x, y).
uint32_t skinPixel(int x, int y, bool lit);

// The clipboard's CF_TEXT, or "(none)".
std::string clipboardText();

// Puts text on the clipboard as CF_TEXT, as another program would.
void setClipboardText(const char *text);

// A program built beside the test program, named relative to its folder
// ("tinctora.exe", "tests\\win_helper.exe"), started with arguments. Its
// standard output comes back through readLine.
struct Child {
    PROCESS_INFORMATION pi = {};
    HANDLE output = nullptr;
};
bool startChild(Child &child, const char *program, const char *args);
// The child's next line of output, without its line end; "" once it ended.
std::string readLine(Child &child);
// Waits up to ms for the child to end and returns its exit status, or
// STILL_ACTIVE after ending it by force. Closes its handles.
DWORD finishChild(Child &child, DWORD ms);

// The program's window once it shows, waiting up to 10 s; null if none did.
HWND waitForWindow();

// Runs the real tinctora.exe until its window shows, closes the window and
// returns the exit status (99 when no window showed).
DWORD runProgramAndClose();
