#include "commandclient.h"
#include "console.h"
#include "core/commandrequest.h"

#include <cstring>

// An answer to a get comes at once, but the window sends it again a
// little later where this process was slow to take it.
const DWORD answerWaitMs = 5000;
const DWORD requestWaitMs = 10000;

static bool answered;
static CommandAnswer answerGot;
static HWND answerFrom;

bool printLine(const char *text)
{
    char line[copyTextSize + 2];
    lstrcpynA(line, text, copyTextSize);
    lstrcatA(line, "\n");
    return writeText(STD_OUTPUT_HANDLE, line);
}

// Takes only an answer of the right shape from the window asked.
static LRESULT CALLBACK answerProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    const COPYDATASTRUCT *data = (const COPYDATASTRUCT *)lp;
    if (msg != WM_COPYDATA)
        return DefWindowProcA(window, msg, wp, lp);
    if ((HWND)wp != answerFrom || !data ||
        !readCommandAnswer(data->dwData, data->lpData, data->cbData, answerGot))
        return FALSE;
    answered = true;
    return TRUE;
}

// A pick takes as long as the user wants (ms INFINITE); the wait ends with
// the answer, or without one once the running window or its process is
// gone or the time is up.
static bool waitForAnswer(HWND running, DWORD ms)
{
    DWORD pid = 0, start = GetTickCount();
    GetWindowThreadProcessId(running, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    while (!answered && (ms == INFINITE || GetTickCount() - start < ms)) {
        DWORD woke = MsgWaitForMultipleObjects(process ? 1 : 0, &process, FALSE, 250, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        if (!answered && ((process && woke == WAIT_OBJECT_0) || !IsWindow(running)))
            break;
    }
    if (process)
        CloseHandle(process);
    return answered;
}

static HWND createAnswerWindow(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = answerProc;
    wc.hInstance = instance;
    wc.lpszClassName = commandAnswerClass;
    RegisterClassA(&wc);
    return CreateWindowExA(0, commandAnswerClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           instance, nullptr);
}

int askRunningWindow(HINSTANCE instance, HWND running, const CommandRequest &request)
{
    HWND own = createAnswerWindow(instance);
    static char bytes[sizeof(CommandRequestHead) + 32768];
    size_t size = writeCommandRequest(request, bytes, sizeof bytes);
    if (!own || !size)
        return 1;
    answerFrom = running;
    // The user started this process, which may lend the foreground to the
    // running one for the pick or the palette.
    DWORD pid = 0;
    GetWindowThreadProcessId(running, &pid);
    AllowSetForegroundWindow(pid);
    COPYDATASTRUCT data = {commandRequestTag, (DWORD)size, bytes};
    DWORD_PTR reply = replyRefused;
    if (!SendMessageTimeoutA(running, WM_COPYDATA, (WPARAM)own, (LPARAM)&data, SMTO_ABORTIFHUNG,
                             requestWaitMs, &reply)) {
        complain(textNoAnswer);
        return 1;
    }
    bool done = reply == (request.action == commandPick ? replyPickStarted : replyDone);
    if (!done)
        complain(textCommandBusy);
    if (!done || request.action == commandSet || request.action == commandOpen)
        return done ? 0 : 1;
    if (!waitForAnswer(running, request.action == commandPick ? INFINITE : answerWaitMs)) {
        if (request.action == commandGet)
            complain(textNoAnswer);
        return 1;
    }
    return answerGot.status == 0 && printLine(answerGot.text) ? 0 : 1;
}
