// The settings kept between runs in HKEY_CURRENT_USER
// "Software\Arvex\Tinctora": REG_DWORD values, the colours taken and
// pinned, the REG_BINARY lists history and pinned, the copy template, a
// REG_SZ written while one is set, and the language, a REG_SZ tag ("de")
// written while one is chosen.
#pragma once

extern const char settingsKey[];

// Once at start-up: stored values over the start values. Never creates the key.
void loadSettings();
// The language chosen alone, for the command line.
void loadLanguageSetting();
// At WM_DESTROY and at the end of the session: every value. False when
// the key cannot be opened or any value not written.
bool saveSettings();
// Only the colours: the current, the previous and the history. False as
// for saveSettings.
bool saveColors();
// Why the last save failed, as a sentence for the user; returns out.
const wchar_t *saveFailure(wchar_t *out, int size);
