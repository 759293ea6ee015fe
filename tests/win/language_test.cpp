// Every language the program carries, as its resources hold it: each text
// there, with English's placeholders and menu letters, and every text whole
// in the real dialogs, measured in their own fonts at 96 and 192 dpi.
#include "win_fixture.h"
#include "app/texts.h"
#include "app/window.h"
#include "core/options.h"
#include "core/textfill.h"
#include "res/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

typedef std::vector<std::wstring> Texts;

// A language's texts straight from the resources, in TextId's order.
static Texts resourceTexts(int language)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExW(module, (LPCWSTR)RT_RCDATA, L"TINCTORA_TEXTS",
                                  builtLanguages[language].id);
    const char *bytes = found ? (const char *)LockResource(LoadResource(module, found)) : nullptr;
    Texts texts;
    for (DWORD at = 0, size = found ? SizeofResource(module, found) : 0; at < size;) {
        wchar_t wide[4096] = L"";
        MultiByteToWideChar(CP_UTF8, 0, bytes + at, -1, wide, 4096);
        texts.push_back(wide);
        at += (DWORD)strlen(bytes + at) + 1;
    }
    return texts;
}

// The %1 ... and { } marks of a text, in order of their kind.
static std::vector<std::wstring> marks(const std::wstring &text)
{
    std::vector<std::wstring> found;
    for (size_t i = 0; i < text.size(); i++)
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9')
            found.push_back(text.substr(i, 2));
        else if (text[i] == '{')
            found.push_back(text.substr(i, text.find('}', i) - i + 1));
    std::sort(found.begin(), found.end());
    return found;
}

static wchar_t upper(wchar_t c)
{
    return (wchar_t)(UINT_PTR)CharUpperW((LPWSTR)(UINT_PTR)c);
}

// The letters & marks in a menu, which must differ: Alt+Space, then the
// letter, reaches one item only.
static std::wstring menuLetters(HMENU menu)
{
    std::wstring letters;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        wchar_t text[200] = L"";
        GetMenuStringW(menu, i, text, 200, MF_BYPOSITION);
        if (markedLetter(text))
            letters += upper(markedLetter(text));
    }
    return letters;
}

// The letters of the system's own items that the window menu keeps, in
// the language as Wine's user32 has them (Windows' own differ little):
// Restore, Move, Minimise, Close and "About Wine".
static std::wstring systemLetters(WORD language)
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    HRSRC found = FindResourceExW(user32, (LPCWSTR)RT_MENU, L"SYSMENU", language);
    HMENU menu = found ? LoadMenuIndirectW(LockResource(LoadResource(user32, found))) : nullptr;
    std::wstring letters;
    HMENU items = menu && GetSubMenu(menu, 0) ? GetSubMenu(menu, 0) : menu;
    for (int i = 0; items && i < GetMenuItemCount(items); i++) {
        UINT id = GetMenuItemID(items, i);
        wchar_t text[200] = L"";
        if (id != SC_SIZE && id != SC_MAXIMIZE && GetMenuStringW(items, i, text, 200, MF_BYPOSITION) &&
            markedLetter(text))
            letters += upper(markedLetter(text));
    }
    if (menu)
        DestroyMenu(menu);
    // Once each: some share a letter among themselves.
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    return letters;
}

static bool allDifferent(std::wstring letters)
{
    std::sort(letters.begin(), letters.end());
    return std::adjacent_find(letters.begin(), letters.end()) == letters.end();
}

TEST(Languages, EveryTextThereWithEnglishsMarksAndLettersApart)
{
    ASSERT_GE(builtLanguageCount, 4);
    Texts english = resourceTexts(0);
    ASSERT_EQ((size_t)textCount, english.size());
    HWND w = startProgram();
    ASSERT_TRUE(w);
    for (int language = 0; language < builtLanguageCount; language++) {
        const char *tag = builtLanguages[language].tag;
        Texts texts = resourceTexts(language);
        ASSERT_EQ(english.size(), texts.size()) << tag;
        for (int id = 0; id < textCount; id++) {
            const std::wstring &text = texts[id], &ours = english[id];
            EXPECT_FALSE(text.empty()) << tag << " lacks text " << id;
            EXPECT_EQ(marks(ours), marks(text)) << tag << " text " << id;
            // A menu letter where English has one; a digit kept as it is.
            wchar_t letter = markedLetter(text.c_str()), englishLetter = markedLetter(ours.c_str());
            EXPECT_EQ(englishLetter != 0, letter != 0) << tag << " text " << id;
            if (englishLetter >= '0' && englishLetter <= '9') {
                EXPECT_EQ(englishLetter, letter) << tag << " text " << id;
            }
        }
        // The real window menu in the language, with the system's items and
        // L, Stop watching's key, and each of its submenus (the History
        // filled as it opens).
        chooseLanguage(w, language);
        HMENU menu = GetSystemMenu(w, FALSE);
        EXPECT_TRUE(allDifferent(menuLetters(menu) + L"L")) << tag;
        // Apart from the system's items in the language too, as a user of
        // that Windows sees them; the program's own are its submenus and
        // the commands below the system's.
        std::wstring ours;
        for (int i = 0; i < GetMenuItemCount(menu); i++) {
            UINT id = GetMenuItemID(menu, i);
            wchar_t text[200] = L"";
            if ((id == (UINT)-1 || (id && id < 0xF000)) &&
                GetMenuStringW(menu, i, text, 200, MF_BYPOSITION) && markedLetter(text))
                ours += upper(markedLetter(text));
        }
        EXPECT_TRUE(allDifferent(ours + systemLetters(builtLanguages[language].id) + L"L"))
            << tag << " beside the system's own items";
        for (int i = 0; i < GetMenuItemCount(menu); i++)
            if (HMENU sub = GetSubMenu(menu, i)) {
                SendMessageW(w, WM_INITMENUPOPUP, (WPARAM)sub, i);
                EXPECT_TRUE(allDifferent(menuLetters(sub))) << tag << " submenu " << i;
            }
        // The context menu: the forms' digits, K and L, the contrast and its
        // fix, then the program's items with the hotkey's other letter.
        std::wstring context = L"1234567890KL";
        for (TextId id : {textContrastItem, textFixContrastItem, textSnapItem, textOnTopItem,
                          textCopyFormatMenu, textHistoryMenu, textSampleSizeMenu, textFreezeItem,
                          textStopWatchingItem, textVisionMenu,
                          textVariationsMenu, textHotkeyContextItem, textLanguageMenu})
            context += upper(markedLetter(texts[id].c_str()));
        EXPECT_TRUE(allDifferent(context)) << tag << " context menu";
    }
    chooseLanguage(w, -1);
}

// Whether every text of the dialog shows whole: each control's text, in its
// own font, within the control (a check box's box and a button's sides
// beside it), each control within the dialog and clear of the others on
// its row.
static std::string cutTexts(HWND dialog)
{
    std::string cut;
    RECT area;
    GetClientRect(dialog, &area);
    std::vector<RECT> places;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t text[600], kind[16];
        int length = GetWindowTextW(c, text, 600);
        GetClassNameW(c, kind, 16);
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, dialog, (POINT *)&r, 2);
        if (r.left > r.right)
            std::swap(r.left, r.right);
        for (const RECT &other : places)
            if (r.top < other.bottom && other.top < r.bottom && r.left < other.right &&
                other.left < r.right)
                cut += "overlap ";
        places.push_back(r);
        if (r.left < 0 || r.right > area.right)
            cut += "outside ";
        std::wstring shown(text, length);
        if (!lstrcmpiW(kind, L"Edit") || shown.empty())
            continue;
        if (shown.find(L'&') != std::wstring::npos && !(GetWindowLongW(c, GWL_STYLE) & SS_NOPREFIX))
            shown.erase(shown.find(L'&'), 1);
        HDC dc = GetDC(c);
        SelectObject(dc, (HFONT)SendMessageW(c, WM_GETFONT, 0, 0));
        SIZE size;
        GetTextExtentPoint32W(dc, shown.c_str(), (int)shown.size(), &size);
        ReleaseDC(c, dc);
        LONG type = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
        int beside = lstrcmpiW(kind, L"Button") ? 0
                     : type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON
                         ? 4
                         : GetSystemMetrics(SM_CXMENUCHECK);
        if (size.cx + beside > r.right - r.left)
            cut += "cut ";
    }
    return cut;
}

static std::string dialogSaid;

// Inside the dialog's own loop: measured, a refusal shown and measured too
// (the hotkey's), then cancelled.
static void CALLBACK measureDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = GetLastActivePopup(mainWindow);
    if (dialog == mainWindow || !IsWindowVisible(dialog))
        return;
    KillTimer(nullptr, timer);
    dialogSaid = cutTexts(dialog);
    if (GetDlgItem(dialog, idHotkeyKeys)) {
        SendDlgItemMessageW(dialog, idHotkeyKeys, HKM_SETHOTKEY, 'D' | 0x0100, 0);
        CheckDlgButton(dialog, idHotkeyWin, BST_UNCHECKED);
        CheckDlgButton(dialog, idHotkeyNone, BST_UNCHECKED);
        SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
        dialogSaid += cutTexts(dialog);
    }
    SendDlgItemMessageW(dialog, IDCANCEL, BM_CLICK, 0, 0);
}

// Run again at 192 dpi by the test at 96: Wine reads the scale as a process
// starts.
TEST(Languages, DialogsShowEveryTextWholeAt96And192Dpi)
{
    HWND w = startProgram();
    ASSERT_TRUE(w);
    for (int language = 0; language < builtLanguageCount; language++) {
        chooseLanguage(w, language);
        for (UINT command : {(UINT)cmdPickHotkey, (UINT)cmdCopyCustom}) {
            dialogSaid = "not shown";
            SetTimer(nullptr, 0, 20, measureDialog);
            SendMessageW(w, WM_SYSCOMMAND, command, 0);
            EXPECT_EQ("", dialogSaid) << builtLanguages[language].tag << " dialog " << command;
        }
    }
    chooseLanguage(w, -1);
    if (GetEnvironmentVariableA("TINCTORA_AT_192", nullptr, 0))
        return;
    HKEY desktop;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop));
    DWORD dpi = 192, size = sizeof dpi, old = 96, type;
    bool had = RegQueryValueExA(desktop, "LogPixels", nullptr, &type, (BYTE *)&old, &size) == 0;
    RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, (const BYTE *)&dpi, sizeof dpi);
    SetEnvironmentVariableA("TINCTORA_AT_192", "1");
    Child child;
    bool started = startChild(child, "win_tests.exe",
                              "--gtest_filter=Languages.DialogsShowEveryTextWholeAt96And192Dpi");
    std::string output, line;
    while (started && !(line = readLine(child)).empty())
        output += line + "\n";
    DWORD status = started ? finishChild(child, 60000) : 99;
    if (had)
        RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, (const BYTE *)&old, sizeof old);
    else
        RegDeleteValueA(desktop, "LogPixels");
    RegCloseKey(desktop);
    EXPECT_EQ(0u, status) << output;
}
