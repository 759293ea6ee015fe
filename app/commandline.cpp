#include "commandline.h"
#include "commandrequest.h"
#include "instance.h"
#include "settings.h"
#include "texts.h"
#include "core/color.h"
#include "core/colorparse.h"
#include "core/commandline.h"
#include "core/textfill.h"
#include "input/taking.h"

#include <cstdint>
#include <cwchar>
#include <cstring>

// A process of the windows subsystem gets a standard handle only where the
// caller redirected it (a pipe, a file); otherwise the text goes to the
// console of the caller, if it has one.
static HANDLE standardHandle(DWORD which)
{
    HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        return handle;
    static HANDLE console;
    if (!console && AttachConsole(ATTACH_PARENT_PROCESS))
        console = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    return console != INVALID_HANDLE_VALUE ? console : nullptr;
}

// False where nothing could take the text (closed, a full disk). A console
// shows every language's characters through the wide API; a pipe or a file
// gets UTF-8.
static bool writeText(DWORD which, const char *text)
{
    HANDLE handle = standardHandle(which);
    DWORD length = (DWORD)strlen(text), written = 0, mode;
    if (handle && GetConsoleMode(handle, &mode)) {
        int wide = MultiByteToWideChar(CP_UTF8, 0, text, (int)length, nullptr, 0);
        wchar_t *converted = (wchar_t *)HeapAlloc(GetProcessHeap(), 0, (wide + 1) * sizeof(wchar_t));
        bool done = converted && MultiByteToWideChar(CP_UTF8, 0, text, (int)length, converted, wide) &&
                    WriteConsoleW(handle, converted, wide, &written, nullptr) &&
                    written == (DWORD)wide;
        HeapFree(GetProcessHeap(), 0, converted);
        return done || !length;
    }
    return handle && WriteFile(handle, text, length, &written, nullptr) && written == length;
}

static int printColor(const char *text)
{
    char line[copyTextSize + 2];
    lstrcpynA(line, text, copyTextSize);
    lstrcatA(line, "\r\n");
    return writeText(STD_OUTPUT_HANDLE, line) ? 0 : 1;
}

// The usage in the language chosen, or Windows': the command line needs
// no texts otherwise.
static bool writeUsage(DWORD which)
{
    loadLanguageSetting();
    loadTexts();
    // The forms' names, left to right in every language, from where
    // --format reads them; their lines end as the usage's do.
    static char usage[8192];
    char forms[400];
    wchar_t list[400], text[4096];
    const wchar_t *pattern = uiText(textUsage);
    const char *lineEnd = wcsstr(pattern, L"\r\n") ? "\r\n" : "\n";
    const wchar_t *names = widen(copyFormList(forms, sizeof forms, lineEnd), list, ARRAYSIZE(list));
    fillText(text, ARRAYSIZE(text), pattern, &names, 1, false);
    return writeText(which, narrow(text, usage, sizeof usage));
}

static bool answered;
static CommandAnswer answerGot;
static HWND answerFrom;

// Takes only an answer of the right shape from the window asked.
static LRESULT CALLBACK answerProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    const COPYDATASTRUCT *data = (const COPYDATASTRUCT *)lp;
    if (msg != WM_COPYDATA)
        return DefWindowProcA(window, msg, wp, lp);
    if ((HWND)wp != answerFrom || !data || data->dwData != commandAnswerTag ||
        data->cbData != sizeof answerGot || !data->lpData)
        return FALSE;
    memcpy(&answerGot, data->lpData, sizeof answerGot);
    answerGot.text[copyTextSize - 1] = '\0';
    answered = true;
    return TRUE;
}

// A pick takes as long as the user wants; the wait ends with the answer,
// or with 1 once the running window or its process is gone.
static bool waitForAnswer(HWND running)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(running, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    while (!answered) {
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

static int askRunningWindow(HINSTANCE instance, HWND running, const CommandRequest &request)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = answerProc;
    wc.hInstance = instance;
    wc.lpszClassName = "tinctoraAnswer";
    RegisterClassA(&wc);
    HWND own = CreateWindowExA(0, "tinctoraAnswer", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                               nullptr, instance, nullptr);
    if (!own)
        return 1;
    answerFrom = running;
    size_t textSize = request.colorText ? strlen(request.colorText) : 0;
    size_t size = sizeof(CommandRequestHead) + textSize;
    CommandRequestHead *head = (CommandRequestHead *)HeapAlloc(GetProcessHeap(),
                                                                 HEAP_ZERO_MEMORY, size);
    if (!head)
        return 1;
    head->action = request.action;
    head->form = request.form;
    head->ownTemplate = request.templateText != nullptr;
    if (request.templateText)
        lstrcpynA(head->templateText, request.templateText, sizeof head->templateText);
    if (textSize)
        memcpy(head + 1, request.colorText, textSize);
    // The user started this process, which may lend the foreground to the
    // running one for the pick.
    if (request.action == commandPick) {
        DWORD pid = 0;
        GetWindowThreadProcessId(running, &pid);
        AllowSetForegroundWindow(pid);
    }
    COPYDATASTRUCT data = {commandRequestTag, (DWORD)size, head};
    DWORD_PTR reply = replyRefused;
    bool sent = SendMessageTimeoutA(running, WM_COPYDATA, (WPARAM)own, (LPARAM)&data,
                                    SMTO_ABORTIFHUNG, 10000, &reply) != 0;
    HeapFree(GetProcessHeap(), 0, head);
    if (!sent)
        return 1;
    if (request.action == commandSet)
        return reply == replyDone ? 0 : 1;
    if (request.action == commandPick && (reply != replyPickStarted || !waitForAnswer(running)))
        return 1;
    if (!answered || answerGot.status != 0)
        return 1;
    return printColor(answerGot.text);
}

// With no Tinctora running, the stored colours are the current ones: read,
// or set as a paste in the program would set them and stored again. This
// process holds the instance meanwhile, so that no start reads them half
// written.
static int useStoredSettings(const CommandRequest &request)
{
    loadSettings();
    int status = 0;
    uint32_t color;
    if (request.action == commandGet) {
        char text[copyTextSize];
        status = printColor(formatCommandText(curColor, request.form, request.templateText, text,
                                              sizeof text));
    } else if (readColorText(request.colorText, SIZE_MAX, color)) {
        takeColor(nullptr, takenBySet, color);
        status = saveColors() ? 0 : 1;
    } else {
        status = 1;
    }
    leaveInstance();
    return status;
}

// The program started as a user would start it, then asked for the pick;
// it goes on running after the pick, as any start would.
static HWND startProgram()
{
    wchar_t path[MAX_PATH];
    if (!GetModuleFileNameW(nullptr, path, MAX_PATH))
        return nullptr;
    // None of this process's standard handles: the caller's pipe must
    // close when this process ends, not when the program does.
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION started;
    if (!CreateProcessW(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        &started))
        return nullptr;
    AllowSetForegroundWindow(started.dwProcessId);
    CloseHandle(started.hThread);
    HWND running = nullptr;
    for (int i = 0; i < 200 && !running; i++) {
        HWND found = FindWindowA("tinctoraWin", nullptr);
        if (found && IsWindowVisible(found))
            running = found;
        else if (WaitForSingleObject(started.hProcess, 50) == WAIT_OBJECT_0)
            break;
    }
    CloseHandle(started.hProcess);
    return running;
}

// The words in UTF-8, as the platform-free reading takes them; they stay
// for the process's life.
static const char *const *utf8Words(int count, const wchar_t *const *words)
{
    char **converted = (char **)HeapAlloc(GetProcessHeap(), 0, (count + 1) * sizeof(char *));
    for (int i = 0; converted && i < count; i++) {
        int size = WideCharToMultiByte(CP_UTF8, 0, words[i], -1, nullptr, 0, nullptr, nullptr);
        converted[i] = (char *)HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
        if (!converted[i])
            return nullptr;
        converted[i][0] = '\0';
        WideCharToMultiByte(CP_UTF8, 0, words[i], -1, converted[i], size, nullptr, nullptr);
    }
    return converted;
}

int runCommandLine(HINSTANCE instance, int count, const wchar_t *const *words)
{
    CommandRequest request;
    const char *const *utf8 = utf8Words(count, words);
    if (!utf8)
        return 1;
    if (!readCommandLine(count, utf8, request)) {
        writeUsage(STD_ERROR_HANDLE);
        return 2;
    }
    if (request.action == commandStart)
        return -1;
    if (request.action == commandHelp)
        return writeUsage(STD_OUTPUT_HANDLE) ? 0 : 1;
    bool ours;
    HWND running = findRunningInstance(ours);
    if (!running && !ours)
        return 1;
    if (!running && request.action != commandPick)
        return useStoredSettings(request);
    if (!running) {
        leaveInstance();
        running = startProgram();
        if (!running)
            return 1;
    }
    return askRunningWindow(instance, running, request);
}
