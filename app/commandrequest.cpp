#include "commandrequest.h"
#include "pickhotkey.h"
#include "core/color.h"
#include "core/commandline.h"
#include "core/colorparse.h"
#include "input/gesturestate.h"
#include "input/keypick.h"
#include "input/taking.h"

#include <cstring>

// The command line waiting for the pick it asked for, and the form it
// asked the colour in.
static HWND pickAsker;
static CommandRequestHead pickAsked;

// SMTO_BLOCK: no other request is taken in the middle of an answer.
static void answer(HWND window, HWND to, const CommandRequestHead &asked, bool done)
{
    CommandAnswer reply = {done ? 0u : 1u, {}};
    if (done)
        formatCommandText(curColor, asked.form, asked.ownTemplate ? asked.templateText : nullptr,
                          reply.text, sizeof reply.text);
    COPYDATASTRUCT data = {commandAnswerTag, sizeof reply, &reply};
    DWORD_PTR result;
    SendMessageTimeoutA(to, WM_COPYDATA, (WPARAM)window, (LPARAM)&data,
                        SMTO_BLOCK | SMTO_ABORTIFHUNG, 2000, &result);
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

// A set reads its text as a paste does and is a taking like a paste.
static LRESULT setColorFromText(HWND window, const char *text, size_t size)
{
    uint32_t color;
    if (!readColorText(text, size, color))
        return replyRefused;
    takeColor(window, takenBySet, color);
    return replyDone;
}

LRESULT onCopyData(HWND window, WPARAM wp, LPARAM lp)
{
    const COPYDATASTRUCT *data = (const COPYDATASTRUCT *)lp;
    HWND asker = (HWND)wp;
    CommandRequestHead head;
    if (!data || data->dwData != commandRequestTag || !data->lpData ||
        data->cbData < sizeof head)
        return replyRefused;
    memcpy(&head, data->lpData, sizeof head);
    head.templateText[copyTemplateSize - 1] = '\0';
    if (head.form < formOfProgram || head.form >= copyFormCount)
        return replyRefused;
    switch (head.action) {
    case commandGet:
        answer(window, asker, head, true);
        return replyDone;
    case commandSet:
        // The undo point of a gesture or a pick stays the colour from before
        // it, and an open menu or dialog acts on the colour it shows.
        if (gestureRuns() || faceBusy(window))
            return replyRefused;
        return setColorFromText(window, (const char *)data->lpData + sizeof head,
                                data->cbData - sizeof head);
    case commandPick:
        // One pick at a time, and none where the hotkey would start none.
        if (pickAsker || gestureRuns() || !IsWindow(asker) || !pickWithFaceForward(window))
            return replyRefused;
        pickAsker = asker;
        pickAsked = head;
        return replyPickStarted;
    }
    return replyRefused;
}
