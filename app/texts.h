// The texts a person reads, in the language in use: the one chosen in the
// Language submenu, else the first of Windows' display languages that the
// program has, else English. Each language's texts are a resource of its
// own LANGUAGE (res/texts, packed by tools/textpack.cpp).
#pragma once
#include <windows.h>

#include "input/appmessages.h"
#include "res/texts.h"

// The language chosen, an index of builtLanguages; -1 for Windows' choice.
extern int chosenLanguage;

// The language chosen, or Windows' choice, made the one in use: its texts
// loaded. Once at start-up, and again when the choice or Windows' changes;
// true when the language in use changed.
bool loadTexts();
// A language chosen in the Language submenu (-1: Windows' choice): in use
// at once, everywhere.
void chooseLanguage(HWND window, int language);
// The index in builtLanguages of the language in use.
int languageInUse();
bool textsRightToLeft();
// The index of the language whose tag this is, in any case; -1 for none.
int languageTagged(const wchar_t *tag);

// A text of the language in use; English's where that language lacks it.
const wchar_t *uiText(TextId id);
// A pattern's %1, %2, %3 filled in, as core/textfill.h tells. Returns out.
const wchar_t *formatText(wchar_t *out, int size, TextId pattern, const wchar_t *a,
                          const wchar_t *b = nullptr, const wchar_t *c = nullptr);

// UTF-8 (and so ASCII) text to wide, cut short at size; returns out.
wchar_t *widen(const char *text, wchar_t *out, int size);
// Wide text to UTF-8, cut short at size on a whole character; returns out.
char *narrow(const wchar_t *text, char *out, int size);

// Menu items with a text of the language's: inserted at a position
// (addMenuText: at the end), or given another text. Right to left where
// the language is.
void insertMenuText(HMENU menu, UINT position, UINT flags, UINT_PTR id, const wchar_t *text);
void addMenuText(HMENU menu, UINT flags, UINT_PTR id, const wchar_t *text);
void setMenuText(HMENU menu, UINT command, const wchar_t *text);
// Every item of the menu right to left where the language is.
void orderMenuItems(HMENU menu);

// A message box of the program's, right to left where the language is.
void tellUser(HWND window, const wchar_t *text);
