#include "palettefile.h"
#include "owndialog.h"
#include "core/colornames.h"
#include "core/colortext.h"
#include "core/history.h"
#include "core/palette.h"
#include "input/clipboard.h"
#include "res/resource.h"
#include "skin/announce.h"

#include <commdlg.h>
#include <cstdlib>
#include <cstring>

const int paletteRoom = pinnedLimit + recentLimit;

// Open lists every palette first, then each type; Save lists the types.
#define everyPalette L"Palettes\0*.gpl;*.txt;*.css;*.json;*.hex;*.ase\0"
static const wchar_t fileTypes[] = everyPalette
    L"GIMP palette (*.gpl)\0*.gpl\0Paint.NET palette (*.txt)\0*.txt\0"
    L"CSS custom properties (*.css)\0*.css\0JSON array (*.json)\0*.json\0"
    L"Hexadecimal lines (*.hex)\0*.hex\0Adobe Swatch Exchange (*.ase)\0*.ase\0";
// The file last chosen, which either dialog opens with.
static wchar_t fileName[MAX_PATH];

void appendPaletteItems(HMENU menu)
{
    uint32_t colors[paletteRoom];
    UINT greyed = historyPalette(colors) ? 0 : MF_GRAYED;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | greyed, cmdCopyAll, "Copy &all");
    AppendMenuA(menu, MF_STRING | greyed, cmdSavePalette, "&Save palette...");
    AppendMenuA(menu, MF_STRING, cmdOpenPalette, "&Open palette...");
}

// Every colour in the copy form, one a line; not a taking.
static void copyAll(HWND window)
{
    static char text[paletteRoom * (copyTextSize + 2)];
    uint32_t colors[paletteRoom];
    size_t n = 0;
    for (int i = 0, count = historyPalette(colors); i < count; i++) {
        if (i)
            text[n++] = '\r', text[n++] = '\n';
        n += strlen(formatColorText(colors[i], copyForm, text + n, copyTextSize));
    }
    text[n] = '\0';
    copyTextToClipboard(window, text);
}

// The system's Open or Save As dialog, with Unicode names. comdlg32 is
// loaded at the first use: most sessions never need it, and under Wine it
// would cost the start-up a good share. Asked for again while one is open
// (the face is sent commands from outside its own input meanwhile), the
// open one comes forward.
static bool askFileName(OPENFILENAMEW &ofn, const char *dialog)
{
    if (!beginOwnDialog(ofn.hwndOwner))
        return false;
    typedef BOOL(WINAPI * FileDialog)(OPENFILENAMEW *);
    HMODULE dialogs = LoadLibraryA("comdlg32.dll");
    FileDialog run = dialogs ? (FileDialog)(void *)GetProcAddress(dialogs, dialog) : nullptr;
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = fileName;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags |= OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    bool chosen = run && run(&ofn);
    endOwnDialog(ofn.hwndOwner);
    return chosen;
}

// The format an extension names; paletteFormatCount for none.
static PaletteFormat formatOfExtension(const wchar_t *typed)
{
    char extension[8] = "";
    for (int i = 0; i < 7 && typed[i]; i++)
        extension[i] = typed[i] < 0x80 ? (char)typed[i] : '?';
    return paletteFormatOf(extension);
}

// The format the typed extension names, else the type chosen in the list,
// whose first is typeIndex; paletteFormatCount for none.
static PaletteFormat chosenFormat(const OPENFILENAMEW &ofn, DWORD typeIndex)
{
    PaletteFormat format =
        formatOfExtension(ofn.nFileExtension ? fileName + ofn.nFileExtension : L"");
    DWORD listed = ofn.nFilterIndex - typeIndex;
    return format < paletteFormatCount || listed >= paletteFormatCount ? format
                                                                       : (PaletteFormat)listed;
}

static void tell(HWND window, const char *text)
{
    if (!beginOwnDialog(window))
        return;
    MessageBoxA(window, text, "Tinctora", MB_OK | MB_ICONEXCLAMATION);
    endOwnDialog(window);
}

// A read-only file is refused as Windows refuses it; Wine would replace it.
bool replaceFile(const wchar_t *name, const void *bytes, DWORD size)
{
    wchar_t folder[MAX_PATH], temp[MAX_PATH];
    DWORD old = GetFileAttributesW(name);
    if (old != INVALID_FILE_ATTRIBUTES && old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return false;
    int cut = 0;
    for (int i = 0; name[i]; i++)
        if (name[i] == '\\' || name[i] == '/')
            cut = i + 1;
    if (cut > MAX_PATH - 14)
        return false;
    lstrcpynW(folder, cut ? name : L".", cut ? cut + 1 : 2);
    if (!GetTempFileNameW(folder, L"tnc", 0, temp))
        return false;
    HANDLE file = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    bool done = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes, size, &written, nullptr) &&
                written == size && FlushFileBuffers(file);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    done = done && MoveFileExW(temp, name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!done)
        DeleteFileW(temp);
    return done;
}

// Named as the tooltip names each colour.
static void savePalette(HWND window)
{
    OPENFILENAMEW ofn = {};
    ofn.hwndOwner = window;
    ofn.lpstrFilter = fileTypes + sizeof everyPalette / sizeof(wchar_t) - 1;
    ofn.lpstrDefExt = L"gpl";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!askFileName(ofn, "GetSaveFileNameW"))
        return;
    PaletteFormat format = chosenFormat(ofn, 1);
    uint32_t colors[paletteRoom];
    char names[paletteRoom][40];
    const char *named[paletteRoom];
    int count = historyPalette(colors);
    for (int i = 0; i < count; i++)
        named[i] = formatColorName(colors[i], names[i], sizeof names[i]);
    static uint8_t bytes[paletteRoom * 128 + 64];
    size_t size = writePalette(format < paletteFormatCount ? format : paletteGpl, colors, named,
                               count, bytes, sizeof bytes);
    if (!size || !replaceFile(fileName, bytes, (DWORD)size))
        tell(window, "The palette could not be saved: the folder may be read-only, or the disk full.");
}

// The file's colours pinned; what did not fit, or could not be read, said.
static void openPaletteAs(HWND window, const wchar_t *name, PaletteFormat format)
{
    HANDLE file = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size = {};
    if (file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &size) ||
        (uint64_t)size.QuadPart > paletteFileMax) {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        tell(window, size.QuadPart ? "The file is larger than 1 MB: no palette is that long."
                                   : "The file could not be read.");
        return;
    }
    // Room for as many colours as the bytes can hold, then the bytes.
    size_t room = (size_t)size.QuadPart / 2 + 1;
    uint32_t *colors = (uint32_t *)malloc(room * 6);
    DWORD got = 0;
    bool read = colors && format < paletteFormatCount &&
                ReadFile(file, colors + room, (DWORD)size.QuadPart, &got, nullptr);
    CloseHandle(file);
    size_t skipped = 0, found = 0;
    if (read)
        found = readPalette(format, (uint8_t *)(colors + room), got, colors, room, skipped);
    size_t distinct = 0, pinned = 0;
    pinColors(colors, found, distinct, pinned);
    free(colors);
    announceShownColor(window);
    char text[200];
    int n = 0;
    if (!found)
        n = wsprintfA(text, "No colour found: the file is not a palette, or holds none.");
    else if (pinned < distinct)
        n = wsprintfA(text, "%u of %u colours pinned: the pinned colours hold %d", (unsigned)pinned,
                      (unsigned)distinct, pinnedLimit);
    if (skipped)
        n += wsprintfA(text + n, "%s%u colour entries in CMYK or unreadable were left out.",
                       n ? "\n" : "", (unsigned)skipped);
    if (n)
        tell(window, text);
}

static void openPalette(HWND window)
{
    OPENFILENAMEW ofn = {};
    ofn.hwndOwner = window;
    ofn.lpstrFilter = fileTypes;
    ofn.Flags = OFN_FILEMUSTEXIST;
    if (askFileName(ofn, "GetOpenFileNameW"))
        openPaletteAs(window, fileName, chosenFormat(ofn, 2));
}

void openPaletteFile(HWND window, const wchar_t *name)
{
    const wchar_t *extension = L"";
    for (const wchar_t *c = name; *c; c++)
        if (*c == '.')
            extension = c + 1;
        else if (*c == '\\' || *c == '/')
            extension = L"";
    openPaletteAs(window, name, formatOfExtension(extension));
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
