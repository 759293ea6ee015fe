#include "templatedialog.h"
#include "commonctl.h"
#include "owndialog.h"
#include "core/color.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "res/resource.h"

// A message to one of the dialog's controls. (Through SendMessageA, which
// the program imports anyway: each function imported costs the exe bytes.)
static LRESULT toControl(HWND dialog, int id, UINT msg, WPARAM wp, void *lp)
{
    return SendMessageA(GetDlgItem(dialog, id), msg, wp, (LPARAM)lp);
}

// The edit box's text, copyTemplateMax bytes at most.
static void typedTemplate(HWND dialog, char text[copyTemplateMax + 1])
{
    toControl(dialog, idTemplateEdit, WM_GETTEXT, copyTemplateMax + 1, text);
}

// The preview follows every change of the text; OK waits for a text.
static void onTemplateChange(HWND dialog)
{
    char text[copyTemplateMax + 1], preview[copyTextSize];
    typedTemplate(dialog, text);
    formatTemplateText(curColor, text, preview, sizeof preview);
    toControl(dialog, idTemplatePreview, WM_SETTEXT, 0, preview);
    EnableWindow(GetDlgItem(dialog, IDOK), text[0] != '\0');
}

static void onInitTemplateDialog(HWND dialog)
{
    showProgramIcon(dialog);
    toControl(dialog, idTemplateEdit, EM_LIMITTEXT, copyTemplateMax, nullptr);
    toControl(dialog, idTemplateEdit, WM_SETTEXT, 0, copyTemplate);
    onTemplateChange(dialog);
}

static void onTemplateCommand(HWND dialog, WPARAM wp)
{
    char text[copyTemplateMax + 1];
    switch (LOWORD(wp)) {
    case idTemplateEdit:
        if (HIWORD(wp) == EN_CHANGE)
            onTemplateChange(dialog);
        break;
    // Enter chooses OK also while it is greyed: an empty text is no template.
    case IDOK:
        typedTemplate(dialog, text);
        if (text[0]) {
            lstrcpynA(copyTemplate, text, sizeof copyTemplate);
            EndDialog(dialog, IDOK);
        }
        break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    }
}

static INT_PTR CALLBACK templateDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: onInitTemplateDialog(dialog); return TRUE;
    case WM_COMMAND: onTemplateCommand(dialog, wp); return TRUE;
    }
    return FALSE;
}

bool editCopyTemplate(HWND window)
{
    // Asked for again while it is open (the face is sent commands from
    // outside its own input meanwhile): the open one comes forward.
    if (!beginOwnDialog(window))
        return false;
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE);
    bool ok = DialogBoxParamA(instance, "TINCTORA_TEMPLATE", window, templateDialogProc, 0) == IDOK;
    endOwnDialog(window);
    return ok;
}
