#include "palettemessages.h"
#include "core/history.h"

static void tell(HWND window, const char *text)
{
    MessageBoxA(window, text, "Tinctora", MB_OK | MB_ICONEXCLAMATION);
}

void tellSaveOutcome(HWND window, SaveOutcome outcome)
{
    static const char *const why[] = {
        "",
        "the file is read-only. Save under another name, or clear its read-only attribute first.",
        "a folder has that name.",
        "the folder, or the file, may not be written to.",
        "the disk is full.",
        "another program has the file open.",
        "the name or its folder cannot be used.",
    };
    char text[200];
    if (outcome != saveDone && outcome < (int)(sizeof why / sizeof *why)) {
        wsprintfA(text, "The palette was not saved: %s", why[outcome]);
        tell(window, text);
    }
}

void tellFileUnread(HWND window, bool tooLarge)
{
    tell(window, tooLarge ? "The file is larger than 1 MB: no palette is that long."
                          : "The file could not be read.");
}

void tellPaletteOpened(HWND window, size_t found, size_t distinct, size_t pinned, size_t skipped)
{
    char text[200];
    int n = 0;
    if (!found)
        n = wsprintfA(text, "No colour found: the file is not a palette, or holds none.");
    else if (pinned < distinct)
        n = wsprintfA(text, "%u of %u colours pinned: the pinned colours hold %d", (unsigned)pinned,
                      (unsigned)distinct, pinnedLimit);
    if (skipped == 1)
        n += wsprintfA(text + n, "%s1 colour entry in CMYK or unreadable was left out.",
                       n ? "\n" : "");
    else if (skipped)
        n += wsprintfA(text + n, "%s%u colour entries in CMYK or unreadable were left out.",
                       n ? "\n" : "", (unsigned)skipped);
    if (n)
        tell(window, text);
}
