// The settings kept between runs in HKEY_CURRENT_USER
// "Software\Arvex\Tinctora": seven REG_DWORD values and the copy template,
// a REG_SZ written while one is set.
#pragma once

extern const char settingsKey[];

// Once at start-up: stored values over the start values. Never creates the key.
void loadSettings();
// Once at WM_DESTROY: all seven values, and the template. False when the key cannot be opened.
bool saveSettings();
