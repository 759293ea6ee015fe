// The settings kept between runs in HKEY_CURRENT_USER
// "Software\Arvex\Tinctora", all REG_DWORD.
#pragma once

extern const char settingsKey[];

// Once at start-up: stored values over the start values. Never creates the key.
void loadSettings();
// Once at WM_DESTROY: every value. False when the key cannot be opened.
bool saveSettings();
