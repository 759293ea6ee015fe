#include "palettefile.h"
#include "filedialog.h"
#include "palettemessages.h"
#include "safewrite.h"
#include "core/colornames.h"
#include "core/history.h"
#include "core/palette.h"
#include "input/clipboard.h"
#include "res/resource.h"
#include "texts.h"
#include "skin/announce.h"

#include <cstdlib>

const int paletteRoom = pinnedLimit + recentLimit;

void appendPaletteItems(HMENU menu)
{
    uint32_t colors[paletteRoom];
    UINT greyed = historyPalette(colors) ? 0 : MF_GRAYED;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    addMenuText(menu, MF_STRING | greyed, cmdCopyAll, uiText(textCopyAllItem));
    addMenuText(menu, MF_STRING | greyed, cmdSavePalette, uiText(textSavePaletteItem));
    addMenuText(menu, MF_STRING, cmdOpenPalette, uiText(textOpenPaletteItem));
}

// In the format the typed extension names, else the one chosen in the
// list; each colour named as its tooltip names it.
static void savePalette(HWND window)
{
    ChosenFile file;
    if (!askPaletteFile(window, true, file))
        return;
    PaletteFormat format = choosePaletteFormat(file.extension, file.listed);
    uint32_t colors[paletteRoom];
    char names[paletteRoom][40];
    const char *named[paletteRoom];
    int count = historyPalette(colors);
    for (int i = 0; i < count; i++)
        named[i] = formatColorName(colors[i], names[i], sizeof names[i]);
    static uint8_t bytes[paletteRoom * 128 + 64];
    size_t size = writePalette(format < paletteFormatCount ? format : paletteGpl, colors, named,
                               count, bytes, sizeof bytes);
    tellSaveOutcome(window, size <= sizeof bytes ? writeFileSafely(file.name, bytes, (DWORD)size)
                                                 : saveFailed);
}

// The file's colours pinned, read in the format its extension names, else
// the one its content shows, else the one chosen in the list (listed);
// what did not fit, or could not be read, said.
static void openPaletteAs(HWND window, const wchar_t *name, unsigned listed)
{
    char extension[8];
    nameExtension(name, extension);
    HANDLE handle = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size = {};
    if (handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(handle, &size) ||
        (uint64_t)size.QuadPart > paletteFileMax) {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        tellFileUnread(window, size.QuadPart != 0);
        return;
    }
    // Room for as many colours as the bytes can hold, then the bytes.
    size_t room = (size_t)size.QuadPart / 2 + 1;
    uint32_t *colors = (uint32_t *)malloc(room * 6);
    DWORD got = 0;
    bool read = colors && ReadFile(handle, colors + room, (DWORD)size.QuadPart, &got, nullptr);
    CloseHandle(handle);
    const uint8_t *bytes = (const uint8_t *)(colors + room);
    PaletteFormat format = read ? choosePaletteFormat(extension, listed, bytes, got)
                                : paletteFormatCount;
    size_t skipped = 0, found = 0;
    if (format < paletteFormatCount)
        found = readPalette(format, bytes, got, colors, room, skipped);
    size_t distinct = 0, pinned = 0;
    pinColors(colors, found, distinct, pinned);
    free(colors);
    announceShownColor(window);
    tellPaletteOpened(window, found, distinct, pinned, skipped);
}

static void openPalette(HWND window)
{
    ChosenFile file;
    if (askPaletteFile(window, false, file))
        openPaletteAs(window, file.name, file.listed);
}

void openPaletteFile(HWND window, const wchar_t *name)
{
    openPaletteAs(window, name, paletteFormatCount);
}

// Every colour in the copy form, one a line; not a taking.
static void copyAll(HWND window)
{
    uint32_t colors[paletteRoom];
    copyColorLines(window, colors, historyPalette(colors));
}

bool runPaletteCommand(HWND window, UINT command)
{
    switch (command) {
    case cmdCopyAll: copyAll(window); return true;
    case cmdSavePalette: savePalette(window); return true;
    case cmdOpenPalette: openPalette(window); return true;
    }
    return false;
}
