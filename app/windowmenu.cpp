#include "windowmenu.h"
#include "colormenus.h"
#include "menutext.h"
#include "historymenu.h"
#include "swatchmenu.h"
#include "palettefile.h"
#include "templatedialog.h"
#include "pickhotkey.h"
#include "core/colortext.h"
#include "core/options.h"
#include "core/sample.h"
#include "input/actions.h"
#include "input/watch.h"
#include "res/resource.h"
#include "texts.h"
#include "skin/layout.h"
#include "skin/regions.h"

// The copy forms' items: their texts are what other programs read, but for
// the template's, whose text is the language's.
static const wchar_t *const formItems[copyFormCount] = {
    L"&1 RRGGBB", L"&2 #RRGGBB", L"&3 rgb(r, g, b)", L"&4 hsl(h, s%, l%)", L"&5 oklch(L C H)",
    nullptr, L"&7 hsv(h, s%, v%)", L"&8 hwb(h w% b%)", L"&9 lab(L a b)", L"&0 lch(L C H)",
    L"&K cmyk(c%, m%, y%, k%)",
};
// As sampleSizes.
static const TextId sizeItems[sampleSizeCount] = {
    textSample1Item,  textSample3Item,  textSample5Item,  textSample7Item,  textSample9Item,
    textSample11Item, textSample15Item, textSample21Item, textSample31Item};

char copyFormKey(CopyForm form)
{
    return "1234567890K"[form];
}

// The Language submenu: Windows' choice, then every language by its own name.
static HMENU createLanguageMenu()
{
    HMENU menu = CreatePopupMenu();
    addMenuText(menu, MF_STRING, cmdLanguageFirst, uiText(textWindowsChoiceItem));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (int i = 0; i < builtLanguageCount; i++)
        addMenuText(menu, MF_STRING, cmdLanguageFirst + 0x10 * (i + 1), builtLanguages[i].name);
    return menu;
}

UINT insertProgramItems(HMENU menu, UINT position, bool contextMenu)
{
    HMENU forms = CreatePopupMenu();
    for (int i = 0; i < copyFormCount; i++)
        addMenuText(forms, MF_STRING, cmdCopyFormFirst + 0x10 * i,
                    formItems[i] ? formItems[i] : uiText(textCustomFormItem));
    AppendMenuW(forms, MF_SEPARATOR, 0, nullptr);
    addMenuText(forms, MF_STRING, cmdCopyOnPick, uiText(textCopyOnPickItem));
    HMENU sizes = CreatePopupMenu();
    for (int i = 0; i < sampleSizeCount; i++)
        addMenuText(sizes, MF_STRING, cmdSampleFirst + 0x10 * i, uiText(sizeItems[i]));
    // In English P, O, Y, H, E, V, I, F, K and G are none of the system
    // items' letters, nor Wine's "About Wine", nor L, Stop watching's key:
    // the first letter of an item wins over a second one. Each language's
    // texts keep their letters apart.
    insertMenuText(menu, position++, MF_STRING, cmdSnapping, uiText(textSnapItem));
    insertMenuText(menu, position++, MF_STRING, cmdOnTop, uiText(textOnTopItem));
    insertMenuText(menu, position++, MF_POPUP, (UINT_PTR)forms, uiText(textCopyFormatMenu));
    insertMenuText(menu, position++, MF_POPUP, (UINT_PTR)createHistoryMenu(),
                   uiText(textHistoryMenu));
    insertMenuText(menu, position++, MF_POPUP, (UINT_PTR)sizes, uiText(textSampleSizeMenu));
    insertMenuText(menu, position++, MF_POPUP, (UINT_PTR)createVisionMenu(), uiText(textVisionMenu));
    insertMenuText(menu, position++, MF_POPUP, (UINT_PTR)createVariationsMenu(),
                   uiText(textVariationsMenu));
    insertMenuText(menu, position++, MF_STRING, cmdFreezeScreen, uiText(textFreezeItem));
    insertMenuText(menu, position++, MF_STRING, cmdStopWatching, uiText(textStopWatchingItem));
    insertMenuText(menu, position++, MF_STRING, cmdPickHotkey, hotkeyItem(contextMenu));
    insertMenuText(menu, position++, MF_POPUP, (UINT_PTR)createLanguageMenu(),
                   uiText(textLanguageMenu));
    return position;
}

// The pick hotkey's item: its letter another in the context menu, where K
// copies cmyk(); said to be in use while another program holds the keys.
const wchar_t *hotkeyItem(bool contextMenu)
{
    static wchar_t text[menuItemSize];
    const wchar_t *item = uiText(contextMenu ? textHotkeyContextItem : textHotkeyItem);
    return pickHotkeyRefused() ? formatText(text, menuItemSize, textInUseItem, item) : item;
}

void addWindowMenuItems(HWND window)
{
    // The system's menu afresh, in case it holds the items already (in
    // another language).
    GetSystemMenu(window, TRUE);
    HMENU menu = GetSystemMenu(window, FALSE);
    UINT end = insertProgramItems(menu, 0, false);
    InsertMenuW(menu, end, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    // The system's own items read in the same direction as the program's.
    orderMenuItems(menu);
    // The face has one size.
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
}

void markProgramItems(HMENU menu, bool contextMenu)
{
    CheckMenuItem(menu, cmdSnapping, MF_BYCOMMAND | (toggleOn(snapId) ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, cmdOnTop, MF_BYCOMMAND | (toggleOn(topId) ? MF_CHECKED : MF_UNCHECKED));
    UINT last = cmdCopyFormFirst + 0x10 * (copyFormCount - 1);
    CheckMenuRadioItem(menu, cmdCopyFormFirst, last, cmdCopyFormFirst + 0x10 * copyForm,
                       MF_BYCOMMAND);
    CheckMenuItem(menu, cmdCopyOnPick, MF_BYCOMMAND | (copyOnPick ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuRadioItem(menu, cmdSampleFirst, cmdSampleFirst + 0x10 * (sampleSizeCount - 1),
                       cmdSampleFirst + 0x10 * sampleSizeIndex(sampleSize), MF_BYCOMMAND);
    CheckMenuItem(menu, cmdFreezeScreen, MF_BYCOMMAND | (freezeScreen ? MF_CHECKED : MF_UNCHECKED));
    bool watched = watching(nullptr);
    CheckMenuItem(menu, cmdStopWatching, MF_BYCOMMAND | (watched ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(menu, cmdStopWatching, MF_BYCOMMAND | (watched ? MF_ENABLED : MF_GRAYED));
    setMenuText(menu, cmdPickHotkey, hotkeyItem(contextMenu));
    UINT chosen = cmdLanguageFirst + 0x10 * (chosenLanguage + 1);
    CheckMenuRadioItem(menu, cmdLanguageFirst, cmdLanguageFirst + 0x10 * builtLanguageCount,
                       chosen, MF_BYCOMMAND);
}

void onInitMenu(HWND window, WPARAM)
{
    markProgramItems(GetSystemMenu(window, FALSE));
}

// Wine draws the menu's icon over the face's top-left corner as the menu
// closes, after this message, and leaves it there: the title row is marked
// for the next paint, which puts the face back from backBuffer once the
// system has done drawing.
void onExitMenuLoop(HWND window)
{
    RECT titleRow = {0, 0, faceWidth * faceScale, faceAreas[swatchId].top * faceScale};
    InvalidateRect(window, &titleRow, FALSE);
}

// Escape closes the window menu but leaves the system in menu mode, where
// a caption would show its icon lit: the face has none, so the mode would
// only hide and swallow the next keys. The menu ends with its window.
void onUninitMenuPopup(HWND window, WPARAM wp)
{
    if ((HMENU)wp == GetSystemMenu(window, FALSE))
        EndMenu();
}

void onInitMenuPopup(HWND window, WPARAM wp)
{
    if (isHistoryMenu((HMENU)wp))
        fillHistoryMenu(window, (HMENU)wp);
    else
        fillColorMenu(window, (HMENU)wp);
}

bool runProgramCommand(HWND window, UINT command)
{
    int form = commandItem(command, cmdCopyFormFirst, copyFormCount);
    int size = commandItem(command, cmdSampleFirst, sampleSizeCount);
    int language = commandItem(command, cmdLanguageFirst, builtLanguageCount + 1);
    switch (command) {
    case cmdSnapping: clickControl(window, snapId); return true;
    case cmdOnTop: clickControl(window, topId); return true;
    case cmdCopyOnPick: copyOnPick = !copyOnPick; return true;
    case cmdFreezeScreen: freezeScreen = !freezeScreen; return true;
    case cmdStopWatching: stopWatching(window); return true;
    case cmdPickHotkey: choosePickHotkey(window); return true;
    }
    // The template's form comes with its dialog.
    if (form == copyCustom && !editCopyTemplate(window))
        return true;
    if (form >= 0)
        setCopyForm(window, CopyForm(form));
    else if (size >= 0)
        setSampleSize(window, sampleSizes[size]);
    else if (language >= 0)
        chooseLanguage(window, language - 1);
    else
        return runHistoryCommand(window, command) || runPaletteCommand(window, command) ||
               runColorMenuCommand(window, command);
    return true;
}

// Stop watching's text marks no letter, since the item goes by the same
// key as the watch's start whatever the language; the other items keep
// that key free.
LRESULT onWatchMenuChar(WPARAM wp, LPARAM lp)
{
    HMENU menu = (HMENU)lp;
    for (int i = 0, n = GetMenuItemCount(menu); menuCharKey(wp) == 'L' && i < n; i++)
        if (GetMenuItemID(menu, i) == cmdStopWatching && watching(nullptr))
            return MAKELRESULT(i, MNC_EXECUTE);
    return 0;
}

bool onSysCommand(HWND window, WPARAM wp)
{
    // The system uses the low four bits of a window-menu command itself.
    // A maximise is refused, whatever sends it: the window keeps the face's
    // size and place.
    if ((wp & 0xFFF0) == SC_MAXIMIZE)
        return true;
    return runProgramCommand(window, wp & 0xFFF0);
}
