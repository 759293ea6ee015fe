#include "palettemessages.h"
#include "owndialog.h"
#include "texts.h"
#include "core/history.h"

#include <cwchar>

// One dialog of the program's like the others: none while another is open.
static void tell(HWND window, const wchar_t *text)
{
    if (!beginOwnDialog(window))
        return;
    tellUser(window, text);
    endOwnDialog(window);
}

void tellSaveOutcome(HWND window, SaveOutcome outcome)
{
    static const TextId why[] = {textSaveFailed, textSaveReadOnly, textSaveFolder,
                                 textSaveDenied, textSaveDiskFull, textSaveInUse, textSaveFailed};
    if (outcome != saveDone && outcome < (int)(sizeof why / sizeof *why))
        tell(window, uiText(why[outcome]));
}

void tellFileUnread(HWND window, bool tooLarge)
{
    tell(window, uiText(tooLarge ? textFileTooLarge : textFileUnreadable));
}

void tellPaletteOpened(HWND window, size_t found, size_t distinct, size_t pinned, size_t skipped)
{
    wchar_t text[600], numbers[3][12];
    text[0] = 0;
    if (!found)
        lstrcpynW(text, uiText(textNoColourFound), 300);
    else if (pinned < distinct)
        formatText(text, 300, textSomeColoursPinned, _ultow((unsigned long)pinned, numbers[0], 10),
                   _ultow((unsigned long)distinct, numbers[1], 10),
                   _ultow(pinnedLimit, numbers[2], 10));
    if (skipped) {
        if (text[0])
            lstrcatW(text, L"\n");
        formatText(text + lstrlenW(text), 300, textEntriesLeftOut,
                   _ultow((unsigned long)skipped, numbers[0], 10));
    }
    if (text[0])
        tell(window, text);
}
