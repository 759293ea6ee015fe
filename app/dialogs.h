// The program's dialogs: each a template in the resources, with the texts
// of the language in use and its controls grown to them, so that no text
// is cut in any language at any scale; right to left where the language
// is, but for the controls that hold a colour's text or keys.
#pragma once
#include <windows.h>

#include "texts.h"

// A control's text: the dialog's caption for id 0.
struct DialogText {
    int id;
    TextId text;
};

// Runs the dialog of the template of that name, modal to owner, with proc;
// returns what EndDialog was given.
INT_PTR runDialog(HWND owner, const wchar_t *name, DLGPROC proc);
// At WM_INITDIALOG and at languageChangedMsg: the texts shown, the controls
// and the dialog grown to them, the direction the language's. The controls
// named in leftToRight keep reading left to right.
void showDialogTexts(HWND dialog, const DialogText *texts, int count, const int *leftToRight,
                     int ltrCount);
// Another text set in a control (a refusal): the controls grown to it too.
void fitDialogToTexts(HWND dialog, const int *leftToRight, int ltrCount);
