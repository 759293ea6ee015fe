// The settings kept between runs in HKEY_CURRENT_USER
// "Software\Arvex\Tinctora": REG_DWORD values, the colours taken and
// pinned, the REG_BINARY lists history and pinned, and the copy template,
// a REG_SZ written while one is set.
#pragma once

extern const char settingsKey[];

// Once at start-up: stored values over the start values. Never creates the key.
void loadSettings();
// At WM_DESTROY and at the end of the session: every value. False when
// the key cannot be opened or any value not written.
bool saveSettings();
// Only the colours: the current, the previous and the history. False as
// for saveSettings.
bool saveColors();
// Why the last save failed, as a sentence for the user (at least 300
// bytes of room); returns out.
const char *saveFailure(char *out, int size);
