#include "windowmenu.h"
#include "historymenu.h"
#include "palettefile.h"
#include "templatedialog.h"
#include "pickhotkey.h"
#include "core/colortext.h"
#include "core/options.h"
#include "core/sample.h"
#include "input/actions.h"
#include "res/resource.h"
#include "skin/layout.h"
#include "skin/regions.h"

static const char *const formItems[copyFormCount] = {
    "&1 RRGGBB", "&2 #RRGGBB", "&3 rgb(r, g, b)", "&4 hsl(h, s%, l%)", "&5 oklch(L C H)",
    "&6 Custom...", "&7 hsv(h, s%, v%)", "&8 hwb(h w% b%)", "&9 lab(L a b)", "&0 lch(L C H)",
    "&K cmyk(c%, m%, y%, k%)",
};
// The sample sizes, 1, 3 and 5 pixels.
static const char *const sizeItems[3] = {"&1 pixel", "&3 by 3 average", "&5 by 5 average"};
// The pick hotkey's item: K, or in the context menu, where K copies cmyk(), T.
static const char *const hotkeyItems[2][2] = {
    {"Pic&k hotkey...", "Pic&k hotkey... (in use)"}, {"Pick ho&tkey...", "Pick ho&tkey... (in use)"}};

char copyFormKey(CopyForm form)
{
    return formItems[form][1];
}

UINT insertProgramItems(HMENU menu, UINT position)
{
    HMENU forms = CreatePopupMenu();
    for (int i = 0; i < copyFormCount; i++)
        AppendMenuA(forms, MF_STRING, cmdCopyFormFirst + 0x10 * i, formItems[i]);
    AppendMenuA(forms, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(forms, MF_STRING, cmdCopyOnPick, "Copy after each &pick");
    HMENU sizes = CreatePopupMenu();
    for (int i = 0; i < 3; i++)
        AppendMenuA(sizes, MF_STRING, cmdSampleFirst + 0x10 * i, sizeItems[i]);
    // P, O, Y and H are none of the system items' letters in English,
    // German, French, Spanish, Italian, Portuguese or Japanese, nor Wine's
    // "About Wine": the first letter of an item wins over a second one.
    InsertMenuA(menu, position++, MF_BYPOSITION | MF_STRING, cmdSnapping, "Sna&p to screen edges");
    InsertMenuA(menu, position++, MF_BYPOSITION | MF_STRING, cmdOnTop, "Always &on top");
    InsertMenuA(menu, position++, MF_BYPOSITION | MF_POPUP, (UINT_PTR)forms, "Cop&y format");
    InsertMenuA(menu, position++, MF_BYPOSITION | MF_POPUP, (UINT_PTR)createHistoryMenu(),
                "&History");
    InsertMenuA(menu, position++, MF_BYPOSITION | MF_POPUP, (UINT_PTR)sizes, "Sampl&e size");
    InsertMenuA(menu, position++, MF_BYPOSITION | MF_STRING, cmdPickHotkey, hotkeyItems[0][0]);
    return position;
}

void addWindowMenuItems(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    UINT end = insertProgramItems(menu, 0);
    InsertMenuA(menu, end, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
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
    CheckMenuRadioItem(menu, cmdSampleFirst, cmdSampleFirst + 0x20,
                       cmdSampleFirst + 0x10 * (sampleSize / 2), MF_BYCOMMAND);
    ModifyMenuA(menu, cmdPickHotkey, MF_BYCOMMAND | MF_STRING, cmdPickHotkey,
                hotkeyItems[contextMenu][pickHotkeyRefused()]);
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
}

bool runProgramCommand(HWND window, UINT command)
{
    int form = commandItem(command, cmdCopyFormFirst, copyFormCount);
    int size = commandItem(command, cmdSampleFirst, 3);
    switch (command) {
    case cmdSnapping: clickControl(window, snapId); return true;
    case cmdOnTop: clickControl(window, topId); return true;
    case cmdCopyOnPick: copyOnPick = !copyOnPick; return true;
    case cmdPickHotkey: choosePickHotkey(window); return true;
    }
    // The template's form comes with its dialog.
    if (form == copyCustom && !editCopyTemplate(window))
        return true;
    if (form >= 0)
        setCopyForm(window, CopyForm(form));
    else if (size >= 0)
        setSampleSize(window, 1 + 2 * size);
    else
        return runHistoryCommand(window, command) || runPaletteCommand(window, command);
    return true;
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
