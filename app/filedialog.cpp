#include "filedialog.h"

#include <commdlg.h>

// Open lists every palette first, then each type; Save lists the types.
#define everyPalette L"Palettes\0*.gpl;*.txt;*.css;*.json;*.hex;*.ase\0"
static const wchar_t fileTypes[] = everyPalette
    L"GIMP palette (*.gpl)\0*.gpl\0Paint.NET palette (*.txt)\0*.txt\0"
    L"CSS custom properties (*.css)\0*.css\0JSON array (*.json)\0*.json\0"
    L"Hexadecimal lines (*.hex)\0*.hex\0Adobe Swatch Exchange (*.ase)\0*.ase\0";
// The file last chosen, which either dialog opens with.
static wchar_t fileName[MAX_PATH];

// comdlg32 is loaded at the first use: most sessions never need it, and
// under Wine it would cost the start-up a good share.
bool askPaletteFile(HWND owner, bool save, ChosenFile &chosen)
{
    static bool open;
    if (open) {
        SetForegroundWindow(GetLastActivePopup(owner));
        return false;
    }
    typedef BOOL(WINAPI * FileDialog)(OPENFILENAMEW *);
    HMODULE dialogs = LoadLibraryA("comdlg32.dll");
    FileDialog run = dialogs ? (FileDialog)(void *)GetProcAddress(
                                   dialogs, save ? "GetSaveFileNameW" : "GetOpenFileNameW")
                             : nullptr;
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFile = fileName;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFilter = save ? fileTypes + sizeof everyPalette / sizeof(wchar_t) - 1 : fileTypes;
    ofn.lpstrDefExt = save ? L"gpl" : nullptr;
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    open = true;
    bool asked = run && run(&ofn);
    open = false;
    if (!asked)
        return false;
    chosen.name = fileName;
    const wchar_t *typed = ofn.nFileExtension ? fileName + ofn.nFileExtension : L"";
    int i = 0;
    for (; i < 7 && typed[i]; i++)
        chosen.extension[i] = typed[i] < 0x80 ? (char)typed[i] : '?';
    chosen.extension[i] = '\0';
    // The list counts from 1, "every palette" first where Open shows it.
    chosen.listed = ofn.nFilterIndex - (save ? 1 : 2);
    return true;
}
