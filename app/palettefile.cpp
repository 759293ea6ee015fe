#include "palettefile.h"
#include "owndialog.h"
#include "core/colornames.h"
#include "core/colortext.h"
#include "core/history.h"
#include "core/palette.h"
#include "input/clipboard.h"
#include "res/resource.h"
#include "texts.h"
#include "core/textfill.h"
#include "skin/announce.h"

#include <commdlg.h>
#include <cstdlib>
#include <cstring>

const int paletteRoom = pinnedLimit + recentLimit;

// The file types: Open lists every palette first, then each type; Save
// lists the types.
static const TextId typeNames[] = {textPaletteFiles, textGplFiles, textPaintNetFiles,
                                   textCssFiles, textJsonFiles, textHexFiles, textAseFiles};
static const wchar_t *const typePatterns[] = {L"*.gpl;*.txt;*.css;*.json;*.hex;*.ase", L"*.gpl",
                                              L"*.txt", L"*.css", L"*.json", L"*.hex", L"*.ase"};

// The dialog's list of types, "name (pattern)", pattern, ..., ended by an
// empty text; from the first type on, or the second.
static const wchar_t *fileTypes(int first)
{
    static wchar_t list[1024];
    int n = 0;
    for (int i = first; i < 7; i++) {
        wchar_t item[160];
        const wchar_t *parts[2] = {uiText(typeNames[i]), typePatterns[i]};
        fillText(item, 160, L"%1 (%2)", parts, 2, textsRightToLeft());
        const wchar_t *pieces[2] = {item, typePatterns[i]};
        for (const wchar_t *piece : pieces) {
            lstrcpynW(list + n, piece, ARRAYSIZE(list) - n - 2);
            n += lstrlenW(list + n) + 1;
        }
    }
    list[n] = 0;
    return list;
}
// The file last chosen, which either dialog opens with.
static wchar_t fileName[MAX_PATH];

void appendPaletteItems(HMENU menu)
{
    uint32_t colors[paletteRoom];
    UINT greyed = historyPalette(colors) ? 0 : MF_GRAYED;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    addMenuText(menu, MF_STRING | greyed, cmdCopyAll, uiText(textCopyAllItem));
    addMenuText(menu, MF_STRING | greyed, cmdSavePalette, uiText(textSavePaletteItem));
    addMenuText(menu, MF_STRING, cmdOpenPalette, uiText(textOpenPaletteItem));
}

// Every colour in the copy form, one a line; not a taking.
static void copyAll(HWND window)
{
    uint32_t colors[paletteRoom];
    copyColorLines(window, colors, historyPalette(colors));
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

// A message of the palette's, one dialog of the program's like the others.
static void tell(HWND window, const wchar_t *text)
{
    if (!beginOwnDialog(window))
        return;
    tellUser(window, text);
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
    ofn.lpstrFilter = fileTypes(1);
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
        tell(window, uiText(textSaveFailed));
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
        tell(window, uiText(size.QuadPart ? textFileTooLarge : textFileUnreadable));
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
    wchar_t text[600], numbers[3][12];
    text[0] = 0;
    if (!found)
        lstrcpynW(text, uiText(textNoColourFound), 300);
    else if (pinned < distinct)
        formatText(text, 300, textSomeColoursPinned, _ultow((unsigned long)pinned, numbers[0], 10),
                   _ultow((unsigned long)distinct, numbers[1], 10),
                   _ultow(pinnedLimit, numbers[2], 10));
    if (skipped) {
        if (text[0])
            lstrcatW(text, L"\n");
        formatText(text + lstrlenW(text), 300, textEntriesLeftOut,
                   _ultow((unsigned long)skipped, numbers[0], 10));
    }
    if (text[0])
        tell(window, text);
}

static void openPalette(HWND window)
{
    OPENFILENAMEW ofn = {};
    ofn.hwndOwner = window;
    ofn.lpstrFilter = fileTypes(0);
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
