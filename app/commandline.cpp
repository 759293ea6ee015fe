#include "commandline.h"
#include "commandclient.h"
#include "commandrequest.h"
#include "commandstore.h"
#include "console.h"
#include "instance.h"
#include "programstart.h"
#include "texts.h"
#include "core/commandline.h"

#include <cstdint>

// The words in UTF-8, as the options and the texts are read: room for a
// command line's longest, whose UTF-16 unit takes three bytes at most.
static bool utf8Words(int count, const wchar_t *const *words, const char **out)
{
    static char room[3 * 32768 + 64];
    int used = 0;
    for (int i = 0; i < count; i++) {
        if (i >= 64)
            return false;
        out[i] = narrow(words[i], room + used, (int)sizeof room - used);
        used += lstrlenA(room + used) + 1;
    }
    return true;
}

// A palette file named alone: its full name, in UTF-8 into out, since the
// running window has a folder of its own. A name that is no file (a word
// mistyped) is a usage error.
static bool paletteFileNamed(const wchar_t *word, wchar_t *full, char *out, int size)
{
    DWORD attributes = GetFileAttributesW(word);
    DWORD n = GetFullPathNameW(word, MAX_PATH, full, nullptr);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           n && n < MAX_PATH && narrow(full, out, size);
}

int runCommandLine(HINSTANCE instance, int count, const wchar_t *const *words)
{
    const char *utf8[64];
    CommandRequest request;
    wchar_t palette[MAX_PATH];
    char paletteUtf8[3 * MAX_PATH];
    if (!utf8Words(count, words, utf8) || !readCommandLine(count, utf8, request) ||
        (request.action == commandOpen &&
         !paletteFileNamed(words[0], palette, paletteUtf8, sizeof paletteUtf8))) {
        showUsage(false);
        return 2;
    }
    if (request.action == commandStart)
        return -1;
    if (request.action == commandHelp)
        return showUsage(true) ? 0 : 1;
    uint32_t color;
    if (request.action == commandSet && !readSetColor(request.colorText, SIZE_MAX, color)) {
        complain(textSetNoColour);
        return 1;
    }
    if (request.action == commandOpen)
        request.fileName = paletteUtf8;
    bool ours;
    HWND running = findRunningInstance(ours);
    if (!running && !ours)
        return 1;
    if (!running && request.action == commandOpen) {
        leaveInstance();
        openPaletteAtStart(palette);
        return -1;
    }
    if (!running && request.action != commandPick)
        return useStoredSettings(request);
    if (!running) {
        leaveInstance();
        running = startProgramForPick();
        if (!running)
            return 1;
    }
    return askRunningWindow(instance, running, request);
}
