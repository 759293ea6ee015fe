#include "settings.h"
#include "texts.h"
#include "core/color.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/history.h"
#include "core/options.h"
#include "core/sample.h"
#include "core/vision.h"
#include "input/windowmove.h"

#include <cstring>
#include <windows.h>

const char settingsKey[] = "Software\\Arvex\\Tinctora";

// Reads one value into its 4-byte target. Only a value of exactly 4 bytes
// is taken; any other size leaves the target as it was, and the query is
// never offered more room than the target has. The values older versions
// wrote are taken in any type, as they always were; the newer ones only as
// REG_DWORD.
static void queryDword(HKEY key, const char *name, DWORD *target, bool dwordOnly = false)
{
    DWORD type, value, size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, &type, (BYTE *)&value, &size) == ERROR_SUCCESS &&
        size == sizeof value && (type == REG_DWORD || !dwordOnly))
        *target = value;
}

// The copy template: only a REG_SZ of 1 to copyTemplateMax characters up
// to its first zero is taken; any other type, an empty text or a longer one
// leaves none set. The query is offered one character less than the
// buffer, so that a text stored without its zero still ends in one. Wide,
// so that a template in any script stays as it was typed; an older version
// reads it in its ANSI code page.
static void queryTemplate(HKEY key)
{
    wchar_t text[copyTemplateMax + 2];
    DWORD type, size = sizeof text - sizeof(wchar_t);
    if (RegQueryValueExW(key, L"copyTemplate", nullptr, &type, (BYTE *)text, &size) !=
            ERROR_SUCCESS || type != REG_SZ)
        return;
    text[size / sizeof(wchar_t)] = 0;
    if (lstrlenW(text) <= (int)copyTemplateMax)
        narrow(text, copyTemplate, copyTemplateSize);
}

// The language chosen: a REG_SZ that names one the program has, in any
// case. Any other type, size or tag is Windows' choice.
static void queryLanguage(HKEY key)
{
    wchar_t tag[16];
    DWORD type, size = sizeof tag - sizeof(wchar_t);
    chosenLanguage = -1;
    if (RegQueryValueExW(key, L"language", nullptr, &type, (BYTE *)tag, &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
        tag[size / sizeof(wchar_t)] = 0;
        chosenLanguage = languageTagged(tag);
    }
}

void loadLanguageSetting()
{
    HKEY key;
    chosenLanguage = -1;
    if (RegOpenKeyA(HKEY_CURRENT_USER, settingsKey, &key) != ERROR_SUCCESS)
        return;
    queryLanguage(key);
    RegCloseKey(key);
}

// A list of colours, REG_BINARY only, of 4 KB at most: read whole, since
// its valid entries may lie anywhere in it. A larger value is no list of
// this program's and is not read at all (the query refuses it).
static void queryColorList(HKEY key, const char *name, ColorList &list)
{
    static BYTE bytes[4096];
    DWORD type, size = sizeof bytes;
    if (RegQueryValueExA(key, name, nullptr, &type, bytes, &size) == ERROR_SUCCESS &&
        type == REG_BINARY)
        readColorList(list, bytes, size);
}

void loadSettings()
{
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, settingsKey, &key) != ERROR_SUCCESS)
        return;
    DWORD onTop = 0;
    queryDword(key, "alwyOnTop", &onTop);
    if (onTop)
        alwyOnTop = 1;
    queryDword(key, "snapTol", (DWORD *)&snapTol);
    queryDword(key, "xPos", (DWORD *)&windowRect.left);
    queryDword(key, "yPos", (DWORD *)&windowRect.top);
    queryDword(key, "curColor", (DWORD *)&curColor);
    queryDword(key, "oldColor", (DWORD *)&oldColor);
    // Older versions write no form, and a newer one may know more forms;
    // the template's form needs the template first.
    queryTemplate(key);
    queryLanguage(key);
    DWORD form = copyHex;
    queryDword(key, "copyForm", &form);
    copyForm = copyFormFromSetting(form);
    DWORD copy = 0, size = 1, hotkey = defaultPickHotkey;
    queryDword(key, "copyOnPick", &copy, true);
    copyOnPick = copy == 1;
    queryDword(key, "sampleSize", &size, true);
    sampleSize = sampleSizeFromSetting(size);
    DWORD zoom = defaultZoom;
    queryDword(key, "magnifierZoom", &zoom, true);
    magnifierZoom = magnifierZoomFromSetting(zoom);
    DWORD vision = visionNormal;
    queryDword(key, "visionFilter", &vision, true);
    visionFilter = visionFilterFromSetting(vision);
    queryDword(key, "pickHotkey", &hotkey, true);
    pickHotkey = pickHotkeyFromSetting(hotkey);
    queryColorList(key, "history", recentColors);
    queryColorList(key, "pinned", pinnedColors);
    RegCloseKey(key);
}

// Each write checked: the first that fails is the save's error.
static LSTATUS saveError;

static void record(LSTATUS status, LSTATUS fine = ERROR_SUCCESS)
{
    if (status != ERROR_SUCCESS && status != fine && saveError == ERROR_SUCCESS)
        saveError = status;
}

static void setValue(HKEY key, const char *name, DWORD type, const void *bytes, DWORD size)
{
    record(RegSetValueExA(key, name, 0, type, (const BYTE *)bytes, size));
}

static void setText(HKEY key, const wchar_t *name, const wchar_t *text)
{
    record(RegSetValueExW(key, name, 0, REG_SZ, (const BYTE *)text,
                          (lstrlenW(text) + 1) * sizeof(wchar_t)));
}

static void setDword(HKEY key, const char *name, DWORD value)
{
    setValue(key, name, REG_DWORD, &value, sizeof value);
}

static void setColorList(HKEY key, const char *name, const ColorList &list)
{
    BYTE bytes[4 * recentLimit];
    setValue(key, name, REG_BINARY, bytes, (DWORD)writeColorList(list, bytes));
}

static bool saveValues(bool all)
{
    HKEY key;
    saveError = RegCreateKeyA(HKEY_CURRENT_USER, settingsKey, &key);
    if (saveError != ERROR_SUCCESS)
        return false;
    setDword(key, "curColor", curColor);
    setDword(key, "oldColor", oldColor);
    setColorList(key, "history", recentColors);
    if (all) {
        setDword(key, "alwyOnTop", alwyOnTop ? 1 : 0);
        setDword(key, "snapTol", (DWORD)snapTol);
        setDword(key, "xPos", (DWORD)windowRect.left);
        setDword(key, "yPos", (DWORD)windowRect.top);
        setDword(key, "copyForm", copyForm);
        setDword(key, "copyOnPick", copyOnPick);
        setDword(key, "sampleSize", (DWORD)sampleSize);
        setDword(key, "magnifierZoom", (DWORD)magnifierZoom);
        setDword(key, "visionFilter", (DWORD)visionFilter);
        setDword(key, "pickHotkey", pickHotkey);
        wchar_t text[copyTemplateMax + 1];
        if (copyTemplate[0])
            setText(key, L"copyTemplate", widen(copyTemplate, text, copyTemplateMax + 1));
        // Windows' choice is no value: an older version has none either.
        if (chosenLanguage >= 0)
            setText(key, L"language", widen(builtLanguages[chosenLanguage].tag, text, 16));
        else
            record(RegDeleteValueW(key, L"language"), ERROR_FILE_NOT_FOUND);
        setColorList(key, "pinned", pinnedColors);
    }
    RegCloseKey(key);
    return saveError == ERROR_SUCCESS;
}

const wchar_t *saveFailure(wchar_t *out, int size)
{
    wchar_t key[100] = L"HKEY_CURRENT_USER\\", why[300];
    widen(settingsKey, key + lstrlenW(key), 60);
    if (!FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                        (DWORD)saveError, 0, why, 300, nullptr))
        wsprintfW(why, L"%d", (int)saveError);
    // The system's text ends in a line end of its own.
    for (int n = lstrlenW(why); n && (why[n - 1] == '\r' || why[n - 1] == '\n'); n--)
        why[n - 1] = 0;
    return formatText(out, size, textSettingsNotStored, key, why);
}

bool saveSettings()
{
    return saveValues(true);
}

bool saveColors()
{
    return saveValues(false);
}
