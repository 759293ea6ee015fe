#include "templatedialog.h"
#include "commonctl.h"
#include "dialogs.h"
#include "owndialog.h"
#include "core/color.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "res/resource.h"

static const DialogText texts[] = {
    {0, textTemplateCaption},        {idTemplateLabel, textTemplateLabel},
    {idTemplateLines, textTemplateLine1}, {idTemplateLines + 1, textTemplateLine2},
    {idTemplateLines + 2, textTemplateLine3}, {idTemplateLines + 3, textTemplateLine4},
    {IDOK, textOkButton},            {IDCANCEL, textCancelButton},
};
// The template and the colour through it read left to right in any language.
static const int leftToRight[] = {idTemplateEdit, idTemplatePreview};

// A message to one of the dialog's controls.
static LRESULT toControl(HWND dialog, int id, UINT msg, WPARAM wp, const void *lp)
{
    return SendMessageW(GetDlgItem(dialog, id), msg, wp, (LPARAM)lp);
}

// The edit box's text, copyTemplateMax characters at most, in UTF-8.
static void typedTemplate(HWND dialog, char text[copyTemplateSize])
{
    wchar_t typed[copyTemplateMax + 1] = L"";
    toControl(dialog, idTemplateEdit, WM_GETTEXT, copyTemplateMax + 1, typed);
    narrow(typed, text, copyTemplateSize);
}

// The preview follows every change of the text; OK waits for a text.
static void onTemplateChange(HWND dialog)
{
    char text[copyTemplateSize], preview[copyTextSize];
    wchar_t shown[copyTextSize];
    typedTemplate(dialog, text);
    formatTemplateText(curColor, text, preview, sizeof preview);
    toControl(dialog, idTemplatePreview, WM_SETTEXT, 0, widen(preview, shown, copyTextSize));
    EnableWindow(GetDlgItem(dialog, IDOK), text[0] != '\0');
}

static void onInitTemplateDialog(HWND dialog)
{
    wchar_t text[copyTemplateMax + 1];
    showProgramIcon(dialog);
    showDialogTexts(dialog, texts, ARRAYSIZE(texts), leftToRight, ARRAYSIZE(leftToRight));
    toControl(dialog, idTemplateEdit, EM_LIMITTEXT, copyTemplateMax, nullptr);
    toControl(dialog, idTemplateEdit, WM_SETTEXT, 0, widen(copyTemplate, text, copyTemplateMax + 1));
    onTemplateChange(dialog);
}

static void onTemplateCommand(HWND dialog, WPARAM wp)
{
    char text[copyTemplateSize];
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
    case languageChangedMsg:
        showDialogTexts(dialog, texts, ARRAYSIZE(texts), leftToRight, ARRAYSIZE(leftToRight));
        return TRUE;
    }
    return FALSE;
}

bool editCopyTemplate(HWND window)
{
    // Asked for again while it is open (the face is sent commands from
    // outside its own input meanwhile): the open one comes forward.
    if (!beginOwnDialog(window))
        return false;
    bool ok = runDialog(window, L"TINCTORA_TEMPLATE", templateDialogProc) == IDOK;
    endOwnDialog(window);
    return ok;
}
