#include "commandrequest.h"
#include "instance.h"
#include "palettefile.h"
#include "pickhotkey.h"
#include "texts.h"
#include "core/color.h"
#include "core/commandrequest.h"
#include "input/appmessages.h"
#include "input/gesturestate.h"
#include "input/keypick.h"
#include "input/taking.h"

#include <cstring>

// An answer holds the face up for a frame at most; one not taken in that
// time (the command line's process slow to run, or a window that never
// answers) is sent again now and then for a few seconds.
const UINT answerWaitMs = 16, answerRetryMs = 50;
const DWORD answerGiveUpMs = 3000;

// The command line waiting for the pick it asked for, and the form it
// asked the colour in.
static HWND pickAsker;
static CommandRequestHead pickAsked;

// The answer not yet taken, to whom, and since when.
static HWND unansweredTo;
static CommandAnswer unanswered;
static DWORD unansweredSince;

// The palette file a start or a request named, until it is opened.
static wchar_t paletteToOpen[MAX_PATH];

static bool deliver(HWND window, HWND to, const CommandAnswer &answer)
{
    COPYDATASTRUCT data = {commandAnswerTag, sizeof answer, (void *)&answer};
    DWORD_PTR result;
    return SendMessageTimeoutA(to, WM_COPYDATA, (WPARAM)window, (LPARAM)&data,
                               SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, answerWaitMs, &result) != 0;
}

static void answer(HWND window, HWND to, const CommandRequestHead &asked, bool done)
{
    CommandAnswer reply = {done ? 0u : 1u, {}};
    if (done)
        formatCommandText(curColor, asked.form, asked.ownTemplate ? asked.templateText : nullptr,
                          reply.text, sizeof reply.text);
    if (deliver(window, to, reply) || !window || !IsWindow(to))
        return;
    unansweredTo = to;
    unanswered = reply;
    unansweredSince = GetTickCount();
    SetTimer(window, answerRetryTimerId, answerRetryMs, nullptr);
}

void onAnswerRetryTimer(HWND window)
{
    if (!unansweredTo || deliver(window, unansweredTo, unanswered) || !IsWindow(unansweredTo) ||
        GetTickCount() - unansweredSince > answerGiveUpMs) {
        unansweredTo = nullptr;
        KillTimer(window, answerRetryTimerId);
    }
}

void answerCommandPick(HWND window, bool taken)
{
    HWND asker = pickAsker;
    pickAsker = nullptr;
    if (asker)
        answer(window, asker, pickAsked, taken);
}

void abandonCommandPick()
{
    answerCommandPick(nullptr, false);
}

void openPaletteAtStart(const wchar_t *name)
{
    lstrcpynW(paletteToOpen, name, MAX_PATH);
}

void openStartPalette(HWND window)
{
    if (paletteToOpen[0])
        PostMessageA(window, openPaletteMsg, 0, 0);
}

void onOpenPalette(HWND window)
{
    wchar_t name[MAX_PATH];
    lstrcpynW(name, paletteToOpen, MAX_PATH);
    paletteToOpen[0] = '\0';
    if (!name[0] || faceBusy(window))
        return;
    bringForward(window);
    openPaletteFile(window, name);
}

// Only the command line's own window takes answers: any other named would
// be sent a colour it never asked for.
static bool isAnswerWindow(HWND asker)
{
    char name[sizeof commandAnswerClass + 1];
    return asker && GetClassNameA(asker, name, sizeof name) && !strcmp(name, commandAnswerClass);
}

LRESULT onCopyData(HWND window, WPARAM wp, LPARAM lp)
{
    const COPYDATASTRUCT *data = (const COPYDATASTRUCT *)lp;
    HWND asker = (HWND)wp;
    CommandRequestHead head;
    const char *text;
    size_t textSize;
    if (!data || !readCommandRequest(data->dwData, data->lpData, data->cbData, head, text,
                                     textSize) ||
        !isAnswerWindow(asker))
        return replyRefused;
    uint32_t color;
    char name[3 * MAX_PATH];
    switch (head.action) {
    case commandGet:
        answer(window, asker, head, true);
        return replyDone;
    case commandSet:
        // The undo point of a gesture or a pick stays the colour from before
        // it, and an open menu or dialog acts on the colour it shows.
        if (gestureRuns() || faceBusy(window) || !readSetColor(text, textSize, color))
            return replyRefused;
        takeColor(window, takenBySet, color);
        return replyDone;
    case commandPick:
        // One pick at a time, and none where the hotkey would start none.
        if (pickAsker || gestureRuns() || !pickWithFaceForward(window))
            return replyRefused;
        pickAsker = asker;
        pickAsked = head;
        return replyPickStarted;
    case commandOpen:
        // Opened once this request is answered: the file's messages would
        // hold the command line up.
        if (gestureRuns() || keyPickRuns() || faceBusy(window) || paletteToOpen[0] ||
            textSize >= sizeof name)
            return replyRefused;
        memcpy(name, text, textSize);
        name[textSize] = '\0';
        widen(name, paletteToOpen, MAX_PATH);
        PostMessageA(window, openPaletteMsg, 0, 0);
        return replyDone;
    }
    return replyRefused;
}
