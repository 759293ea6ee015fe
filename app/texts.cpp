#include "texts.h"
#include "core/languagetag.h"
#include "core/textfill.h"
#include "skin/wine.h"

int chosenLanguage = -1;

// A language's texts, converted once as it is loaded: the pointers point
// into the block, each text ended by a zero.
struct LoadedTexts {
    wchar_t *block;
    const wchar_t *text[textCount];
};
static LoadedTexts english, current;
static int inUse;

// The resource's zero-ended UTF-8 texts, in the order of TextId; a text
// that is missing or empty stays null.
static void loadLanguage(LoadedTexts &texts, int language)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExW(module, (LPCWSTR)RT_RCDATA, L"TINCTORA_TEXTS",
                                  builtLanguages[language].id);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char *bytes = loaded ? (const char *)LockResource(loaded) : nullptr;
    int size = bytes ? (int)SizeofResource(module, found) : 0;
    HeapFree(GetProcessHeap(), 0, texts.block);
    texts = {};
    int length = size ? MultiByteToWideChar(CP_UTF8, 0, bytes, size, nullptr, 0) : 0;
    texts.block = length ? (wchar_t *)HeapAlloc(GetProcessHeap(), 0, (length + 1) * sizeof(wchar_t))
                         : nullptr;
    if (!texts.block)
        return;
    MultiByteToWideChar(CP_UTF8, 0, bytes, size, texts.block, length);
    texts.block[length] = 0;
    const wchar_t *p = texts.block, *end = texts.block + length;
    for (int i = 0; i < textCount && p < end; p += lstrlenW(p) + 1, i++)
        texts.text[i] = *p ? p : nullptr;
}

int languageTagged(const wchar_t *tag)
{
    for (int i = 0; i < builtLanguageCount; i++) {
        const char *ours = builtLanguages[i].tag;
        int k = 0;
        while (ours[k] && tag[k] && (ours[k] | 0x20) == (tag[k] | 0x20))
            k++;
        if (!ours[k] && !tag[k])
            return i;
    }
    return -1;
}

// The first of the user's display languages, by Windows' order, that the
// program has; English for none.
static int windowsLanguage()
{
    const char *tags[builtLanguageCount];
    for (int i = 0; i < builtLanguageCount; i++)
        tags[i] = builtLanguages[i].tag;
    wchar_t wide[512];
    ULONG count = 0, size = ARRAYSIZE(wide);
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, wide, &size) || size < 2) {
        // An empty list: the user's default display language alone.
        size = LCIDToLocaleName(GetUserDefaultUILanguage(), wide, ARRAYSIZE(wide) - 1, 0);
        wide[size] = 0;
        size = size ? size + 1 : 0;
    }
    // Tags are ASCII; anything else matches nothing.
    char list[512];
    for (ULONG i = 0; i < size && i < sizeof list; i++)
        list[i] = wide[i] < 0x80 ? (char)wide[i] : '?';
    list[sizeof list - 1] = list[sizeof list - 2] = 0;
    if (size < sizeof list - 1)
        list[size] = 0;
    int found = matchLanguage(tags, builtLanguageCount, list);
    return found >= 0 ? found : 0;
}

bool loadTexts()
{
    if (!english.block)
        loadLanguage(english, 0);
    int was = inUse;
    inUse = chosenLanguage >= 0 && chosenLanguage < builtLanguageCount ? chosenLanguage
                                                                        : windowsLanguage();
    if (inUse && (inUse != was || !current.block))
        loadLanguage(current, inUse);
    return inUse != was;
}

void chooseLanguage(HWND window, int language)
{
    chosenLanguage = language;
    if (loadTexts())
        SendMessageW(window, languageChangedMsg, 0, 0);
}

int languageInUse()
{
    return inUse;
}

bool textsRightToLeft()
{
    return builtLanguages[inUse].rightToLeft;
}

const wchar_t *uiText(TextId id)
{
    const wchar_t *text = inUse ? current.text[id] : nullptr;
    if (!text)
        text = english.text[id];
    return text ? text : L"";
}

const wchar_t *formatText(wchar_t *out, int size, TextId pattern, const wchar_t *a,
                          const wchar_t *b, const wchar_t *c)
{
    const wchar_t *args[3] = {a, b, c};
    return fillText(out, size, uiText(pattern), args, 3, textsRightToLeft());
}

wchar_t *widen(const char *text, wchar_t *out, int size)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, out, size);
    if (!n && size) {
        // Too long: as much as fits, on whole characters.
        n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
        wchar_t *all = (wchar_t *)HeapAlloc(GetProcessHeap(), 0, n * sizeof(wchar_t));
        if (all && MultiByteToWideChar(CP_UTF8, 0, text, -1, all, n))
            lstrcpynW(out, all, size);
        else
            out[0] = 0;
        HeapFree(GetProcessHeap(), 0, all);
    }
    return out;
}

char *narrow(const wchar_t *text, char *out, int size)
{
    int length = lstrlenW(text);
    // Fewer characters until the bytes fit: a character is never cut.
    while (length && !WideCharToMultiByte(CP_UTF8, 0, text, length, out, size - 1, nullptr, nullptr))
        length--;
    int n = length ? WideCharToMultiByte(CP_UTF8, 0, text, length, out, size - 1, nullptr, nullptr)
                   : 0;
    if (size)
        out[n] = 0;
    return out;
}

// Right to left: the item reads so, its submenu opens to the left. Wine
// draws no item so marked (Wine 8): there the items keep the system's order.
static void orderItem(HMENU menu, UINT position)
{
    if (!textsRightToLeft() || underWine())
        return;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    info.fType |= MFT_RIGHTORDER;
    SetMenuItemInfoW(menu, position, TRUE, &info);
}

void orderMenuItems(HMENU menu)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; i++)
        orderItem(menu, i);
}

void insertMenuText(HMENU menu, UINT position, UINT flags, UINT_PTR id, const wchar_t *text)
{
    InsertMenuW(menu, position, MF_BYPOSITION | flags, id, text);
    orderItem(menu, position);
}

void addMenuText(HMENU menu, UINT flags, UINT_PTR id, const wchar_t *text)
{
    insertMenuText(menu, GetMenuItemCount(menu), flags, id, text);
}

void setMenuText(HMENU menu, UINT command, const wchar_t *text)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = (wchar_t *)text;
    SetMenuItemInfoW(menu, command, FALSE, &info);
}

void tellUser(HWND window, const wchar_t *text)
{
    UINT rtl = textsRightToLeft() ? MB_RTLREADING | MB_RIGHT : 0;
    MessageBoxW(window, text, L"Tinctora", MB_OK | MB_ICONEXCLAMATION | rtl);
}
