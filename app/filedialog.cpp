#include "filedialog.h"
#include "owndialog.h"
#include "texts.h"
#include "core/textfill.h"

#include <commdlg.h>

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

void nameExtension(const wchar_t *name, char extension[8])
{
    const wchar_t *typed = L"";
    for (const wchar_t *c = name; *c; c++)
        if (*c == '.')
            typed = c + 1;
        else if (*c == '\\' || *c == '/')
            typed = L"";
    int i = 0;
    for (; i < 7 && typed[i]; i++)
        extension[i] = typed[i] < 0x80 ? (char)typed[i] : '?';
    extension[i] = '\0';
}

// comdlg32 is loaded at the first use: most sessions never need it, and
// under Wine it would cost the start-up a good share.
bool askPaletteFile(HWND owner, bool save, ChosenFile &chosen)
{
    if (!beginOwnDialog(owner))
        return false;
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
    ofn.lpstrFilter = fileTypes(save ? 1 : 0);
    ofn.lpstrDefExt = save ? L"gpl" : nullptr;
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    bool asked = run && run(&ofn);
    endOwnDialog(owner);
    if (!asked)
        return false;
    chosen.name = fileName;
    nameExtension(fileName, chosen.extension);
    // The list counts from 1, "every palette" first where Open shows it.
    chosen.listed = ofn.nFilterIndex - (save ? 1 : 2);
    return true;
}
