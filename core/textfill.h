// The program's translated texts are patterns in which %1 to %9 stand for
// what the program fills in: a name, a number, a colour's text. Wide
// characters, as the texts reach Windows.
#pragma once
#include <cstddef>

// Writes pattern with each %1 to %9 replaced by args[0] to args[8] (a
// number without an argument is left out); any other % is written as it
// is. In a right-to-left text (isolate true) an argument with no letter
// of a right-to-left script (a colour's text, a number, a key) is kept
// left to right as a whole, between the marks of a left-to-right
// embedding: else "#FF8000" would read "FF8000#", "rgb(1, 2, 3)" with its
// last bracket turned. Returns out, cut short at size.
wchar_t *fillText(wchar_t *out, size_t size, const wchar_t *pattern, const wchar_t *const *args,
                  int count, bool isolate);

// The letter that & marks in a menu's or a control's text ("Sna&p" gives
// 'p', "(&P)" 'P'); "&&" is an ampersand, no mark. 0 for none.
wchar_t markedLetter(const wchar_t *text);
