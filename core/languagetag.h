// Which of the program's languages a person gets from Windows' list of the
// display languages they prefer: the first on the list that the program
// has, as Windows' own programs choose.
#pragma once

// The index among ours (tags as "de", "pt-BR", "zh-Hans") of the language
// for preferred, a list of tags as Windows gives them ("de-AT", "zh-TW"),
// each ended by a zero byte and the list by an empty one; -1 for none.
// A tag matches ours whole or with its last parts left off, in any case:
// "de-AT" and "de" are "de". Chinese goes by its script: Taiwan, Hong Kong
// and Macao write "zh-Hant", the rest "zh-Hans". Portuguese goes by its
// standard: "pt" and "pt-BR" are "pt-BR", the other countries "pt-PT"
// ("pt-AO").
int matchLanguage(const char *const *ours, int count, const char *preferred);
