// What other programs can hand the program: settings of any type and size,
// a clipboard held open or holding odd content, requests of any shape from
// any window, and start-ups that cannot complete.
#include "win_fixture.h"
#include "input/clipboard.h"
#include "app/safewrite.h"
#include "app/commandrequest.h"
#include "app/programstart.h"
#include "app/settings.h"
#include "app/window.h"
#include "core/color.h"
#include "core/options.h"
#include "core/colortemplate.h"
#include "core/colortext.h"
#include "core/commandline.h"
#include "core/commandrequest.h"
#include "res/resource.h"
#include "input/gesture.h"
#include "input/windowmove.h"
#include "skin/draw.h"
#include "skin/regions.h"

#include <commctrl.h>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

void putValue(const char *name, DWORD type, const void *data, DWORD size)
{
    ASSERT_TRUE(putSetting(name, type, data, size));
}

// The six values as the program keeps them, plus the rectangle's far
// corner, which sits right behind the stored corner in memory.
struct Held {
    DWORD onTop, tol, x, y, cur, old, right, bottom;
    static Held now()
    {
        return {alwyOnTop, (DWORD)snapTol, (DWORD)windowRect.left, (DWORD)windowRect.top,
                curColor, oldColor, (DWORD)windowRect.right, (DWORD)windowRect.bottom};
    }
    void apply() const
    {
        alwyOnTop = (BYTE)onTop;
        snapTol = (int)tol;
        windowRect = {(LONG)x, (LONG)y, (LONG)right, (LONG)bottom};
        curColor = cur;
        oldColor = old;
    }
    DWORD *slot(int i) { return &onTop + i; }
};

const char *const valueNames[6] = {"alwyOnTop", "snapTol", "xPos", "yPos", "curColor", "oldColor"};

// Every value reads back as a 4-byte REG_DWORD equal to what is held.
void expectSixDwords(const Held &h)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, settingsKey, &key));
    const DWORD want[6] = {h.onTop ? 1u : 0u, h.tol, h.x, h.y, h.cur, h.old};
    for (int i = 0; i < 6; i++) {
        DWORD type = 0, v = 0, size = sizeof v;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, valueNames[i], nullptr, &type, (BYTE *)&v, &size));
        EXPECT_EQ((DWORD)REG_DWORD, type) << valueNames[i];
        EXPECT_EQ(4u, size) << valueNames[i];
        EXPECT_EQ(want[i], v) << valueNames[i];
    }
    RegCloseKey(key);
}

struct Form {
    const char *what;
    DWORD type;
    BYTE data[9];
    DWORD size;
};

// Each value written by something else with every other type and size.
// A value of exactly four bytes is taken as its bytes; anything else
// leaves the setting as it was, and no other setting moves.
TEST(ForeignSettings, EveryTypeAndSizeOfEveryValue)
{
    std::vector<Form> forms = {
        {"REG_SZ", REG_SZ, "7", 2},
        {"REG_SZ of four bytes", REG_SZ, "abc", 4},
        {"REG_SZ long", REG_SZ, "12345678", 9},
        {"REG_QWORD", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}, 8},
        {"REG_DWORD_BIG_ENDIAN", REG_DWORD_BIG_ENDIAN, {0x12, 0x34, 0x56, 0x78}, 4},
        {"REG_MULTI_SZ", REG_MULTI_SZ, "a\0b\0", 5},
        {"REG_NONE empty", REG_NONE, {}, 0},
        {"REG_DWORD empty", REG_DWORD, {}, 0},
    };
    for (DWORD n = 0; n <= 8; n++)
        forms.push_back({"REG_BINARY", REG_BINARY, {0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88}, n});
    const Held sentinel = {0, 0x5A5A5A5A, 0x11111111, 0x22222222, 0x55555555, 0x66666666,
                           0x33333333, 0x44444444};
    for (const Form &f : forms)
        for (int i = 0; i < 6; i++) {
            SCOPED_TRACE(std::string(f.what) + " " + std::to_string(f.size) + " bytes in " + valueNames[i]);
            clearSettings();
            putValue(valueNames[i], f.type, f.data, f.size);
            sentinel.apply();
            loadSettings();
            Held want = sentinel;
            if (f.size == 4) {
                DWORD v;
                memcpy(&v, f.data, 4);
                *want.slot(i) = i == 0 ? (v != 0) : v;
            }
            Held got = Held::now();
            for (int j = 0; j < 8; j++)
                EXPECT_EQ(*want.slot(j), *got.slot(j)) << "slot " << j;
            ASSERT_TRUE(saveSettings());
            expectSixDwords(got);
        }
    clearSettings();
}

TEST(ForeignSettings, EmptyKeyKeepsEverythingAndTheSaveFillsIt)
{
    clearSettings();
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, settingsKey, &key));
    RegCloseKey(key);
    const Held start = {0, 8, (DWORD)CW_USEDEFAULT, (DWORD)CW_USEDEFAULT, 0, 0, 0, 0};
    start.apply();
    loadSettings();
    Held got = Held::now();
    for (int j = 0; j < 8; j++)
        EXPECT_EQ(*const_cast<Held &>(start).slot(j), *got.slot(j)) << "slot " << j;
    ASSERT_TRUE(saveSettings());
    expectSixDwords(start);
    clearSettings();
}

// The copy template: a REG_SZ of 1 to 100 characters, with its zero byte
// or without; any other leaves none, and the template's copy form with it.
TEST(ForeignSettings, CopyTemplateOfEveryShape)
{
    const std::string longest(100, '}'), tooLong(101, '}');
    const struct {
        DWORD type;
        const char *data;
        DWORD size;
        bool taken;
    } cases[] = {{REG_SZ, longest.c_str(), 101, true}, {REG_SZ, tooLong.c_str(), 102, false},
                 {REG_SZ, tooLong.c_str(), 101, false}, {REG_SZ, "{R}", 3, true},
                 {REG_SZ, "", 1, false}, {REG_EXPAND_SZ, "{R}", 4, false},
                 {REG_BINARY, "{R}", 4, false}, {REG_MULTI_SZ, "{R}\0", 5, false}};
    const DWORD custom = copyCustom;
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.data).substr(0, 4) + " of " + std::to_string(c.size) + " bytes");
        clearSettings();
        putValue("copyTemplate", c.type, c.data, c.size);
        putValue("copyForm", REG_DWORD, &custom, 4);
        copyTemplate[0] = '\0';
        loadSettings();
        EXPECT_EQ(c.taken ? std::string(c.data, c.size - (c.size > 100)) : "", copyTemplate);
        EXPECT_EQ(c.taken ? copyCustom : copyHex, copyForm);
    }
    copyTemplate[0] = '\0';
    copyForm = copyHex;
    clearSettings();
}

// The real program starts over a key full of foreign values and leaves six
// proper values behind.
TEST(ForeignSettings, TheProgramStartsAndSavesSixDwords)
{
    clearSettings();
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const BYTE bigEndian[4] = {0x00, 0x11, 0x22, 0x33};
    putValue("alwyOnTop", REG_BINARY, eight, 8);
    putValue("snapTol", REG_MULTI_SZ, "1\0\0", 3);
    putValue("xPos", REG_SZ, "12", 3);
    putValue("yPos", REG_QWORD, eight, 8);
    putValue("curColor", REG_BINARY, eight, 3);
    putValue("oldColor", REG_DWORD_BIG_ENDIAN, bigEndian, 4);
    ASSERT_EQ(0u, runProgramAndClose());
    // A popup placed by default opens at the screen's top-left corner.
    expectSixDwords({0, 8, 0, 0, 0, 0x33221100, 0, 0});
    clearSettings();
}

// The program's window beside a clipboard that another program holds open.
struct HeldClipboard : ::testing::Test {
    HWND w;
    void SetUp() override
    {
        clearSettings();
        w = startProgram();
        ASSERT_TRUE(w);
        curColor = 0x0080FF;
        oldColor = 0x111111;
        paintSwatch(w, swatchRgn);
    }
    void TearDown() override { clearSettings(); }
    void runLoop()
    {
        PostQuitMessage(7);
        EXPECT_EQ(7, runMessageLoop());
    }
};

// Every copy and paste returns at once, changes nothing and leaves the
// other program's text; once it lets go, copy and paste work again.
TEST_F(HeldClipboard, CopyAndPasteNeitherWaitNorChangeAnything)
{
    Child holder;
    ASSERT_TRUE(startChild(holder, "tests\\win_helper.exe", "holdclip 3000 theirs"));
    ASSERT_EQ("holding", readLine(holder));
    PostMessageA(w, WM_CHAR, 3, 1);   // Ctrl+C
    PostMessageA(w, WM_CHAR, 22, 1);  // Ctrl+V
    runLoop();
    sendPointer(w, WM_RBUTTONUP, 40, 116);    // copy the hexadecimal readout
    sendPointer(w, WM_RBUTTONUP, 40, 74);     // copy the red readout
    sendPointer(w, WM_LBUTTONDBLCLK, 40, 30); // paste on the swatch
    sendPointer(w, WM_LBUTTONUP, 40, 30);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(holder.pi.hProcess, 0))
        << "nothing waited for the other program to let go";
    EXPECT_EQ(0x0080FFu, curColor);
    EXPECT_EQ(0x111111u, oldColor);
    EXPECT_STREQ("FF8000", colorHex);
    EXPECT_EQ(0u, finishChild(holder, 20000));
    EXPECT_EQ("theirs", clipboardText());

    PostMessageA(w, WM_CHAR, 3, 1);
    runLoop();
    EXPECT_EQ("FF8000", clipboardText());
    setClipboardText("336699");
    sendPointer(w, WM_LBUTTONDBLCLK, 40, 30);
    sendPointer(w, WM_LBUTTONUP, 40, 30);
    EXPECT_EQ(0x996633u, curColor);
    EXPECT_EQ(0x0080FFu, oldColor);
}

// A clipboard without text changes no colour; a very long text counts by
// its first six characters; bytes outside ASCII are never digits.
TEST_F(HeldClipboard, ImagesLongTextsAndBytesOutsideAscii)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, CreateBitmap(2, 2, 1, 32, nullptr));
    CloseClipboard();
    curColor = 0x0000FF;  // not yet on the face: the paste repaints it
    pasteFromClipboard(w);
    EXPECT_EQ(0x0000FFu, curColor);
    EXPECT_EQ(0x111111u, oldColor);
    EXPECT_STREQ("FF0000", colorHex);

    std::string longText = "a1B2c3" + std::string(400 * 1024, 'Z');
    setClipboardText(longText.c_str());
    pasteFromClipboard(w);
    EXPECT_EQ(0xC3B2A1u, curColor);
    EXPECT_EQ(0x0000FFu, oldColor);
    setClipboardText(std::string(300 * 1024, '7').c_str());
    pasteFromClipboard(w);
    EXPECT_EQ(0x777777u, curColor);

    const struct { const char *text; bool taken; uint32_t color; } texts[] = {
        {"\xC3\xA9" "1234", false, 0}, {"12345\xFF", false, 0},
        {"\xEF\xBB\xBF" "123456", false, 0}, {"ABCDEF\xE9\xFF", true, 0xEFCDAB},
        {"\xB2\xB3\xB9", false, 0},
    };
    for (const auto &t : texts) {
        curColor = 0x010203;
        setClipboardText(t.text);
        pasteFromClipboard(w);
        EXPECT_EQ(t.taken ? t.color : 0x010203u, curColor) << t.text;
    }
}

// Start-ups that cannot complete end at once with status 1 and save
// nothing: the previous run's values stay exactly as they were.
TEST(FatalStart, MissingSkinOrTakenClassEndsWithStatusOne)
{
    const struct { const char *program, *args; } cases[] = {
        {"tests\\startup_probe_noskin.exe", ""},
        {"tests\\startup_probe.exe", "classtaken"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.program);
        clearSettings();
        DWORD previous = 0x123456;
        putValue("curColor", REG_DWORD, &previous, 4);
        Child probe;
        ASSERT_TRUE(startChild(probe, c.program, c.args));
        EXPECT_EQ(1u, finishChild(probe, 20000));
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, settingsKey, &key));
        DWORD values = 0, v = 0, size = 4;
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr);
        RegQueryValueExA(key, "curColor", nullptr, nullptr, (BYTE *)&v, &size);
        RegCloseKey(key);
        EXPECT_EQ(1u, values);
        EXPECT_EQ(previous, v);
    }
    clearSettings();
}

// What the hotkey dialog is given, and what it said, from a timer that
// runs inside its own loop as a user would work it.
struct { uint32_t keys; bool once, greyed, icon; char said[80]; } dialogRun;

void CALLBACK workHotkeyDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindWindowA("#32770", "Pick hotkey");
    if (!IsWindowVisible(dialog))
        return;
    KillTimer(nullptr, timer);
    SendMessageA(mainWindow, WM_SYSCOMMAND, cmdPickHotkey, 0);  // asked for again
    dialogRun.once = !FindWindowExA(nullptr, FindWindowA("#32770", "Pick hotkey"), "#32770",
                                    "Pick hotkey");
    // None greys the key box, which repaints only when told.
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    CheckDlgButton(dialog, idHotkeyNone, BST_CHECKED);
    SendMessageA(dialog, WM_COMMAND, idHotkeyNone, 0);
    HWND keyBox = GetDlgItem(dialog, idHotkeyKeys);
    dialogRun.greyed = !IsWindowEnabled(keyBox) && GetUpdateRect(keyBox, nullptr, FALSE);
    dialogRun.icon = SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0) != 0;
    SendDlgItemMessageA(dialog, idHotkeyKeys, HKM_SETHOTKEY, dialogRun.keys, 0);
    CheckDlgButton(dialog, idHotkeyWin, BST_UNCHECKED);
    CheckDlgButton(dialog, idHotkeyNone, dialogRun.keys ? BST_UNCHECKED : BST_CHECKED);
    SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
    GetDlgItemTextA(dialog, idHotkeyRefused, dialogRun.said, sizeof dialogRun.said);
    SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
}

// A hotkey another program holds: refused at the start, which the window
// menu's item says. In the dialog (one, however often asked for, with the
// program's icon, None greying the keys) another replaces it, a refused
// choice (held elsewhere, or without Ctrl, Alt or Win) is said and the old
// one kept, and None lets it go.
TEST(HeldHotkey, RefusedAtTheStartThenChangedAndLetGo)
{
    clearSettings();
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN | MOD_SHIFT, 'C'));
    ASSERT_TRUE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_ALT, 'J'));
    HWND w = startProgram();
    ASSERT_TRUE(w);
    auto item = [w] {
        char text[40] = "";
        SendMessageA(w, WM_INITMENU, (WPARAM)GetSystemMenu(w, FALSE), 0);
        GetMenuStringA(GetSystemMenu(w, FALSE), cmdPickHotkey, text, sizeof text, MF_BYCOMMAND);
        return std::string(text);
    };
    EXPECT_EQ("Pic&k hotkey... (in use)", item());
    const uint32_t ctrlAltH = 'H' | 0x0600, ctrlAltJ = 'J' | 0x0600;  // HOTKEYF_CONTROL, _ALT
    const uint32_t shiftD = 'D' | 0x0100;  // one that typing a capital D would start
    for (uint32_t keys : {ctrlAltH, ctrlAltJ, shiftD, 0u}) {
        dialogRun = {keys, false, false, false, ""};
        SetTimer(nullptr, 0, 20, workHotkeyDialog);
        SendMessageA(w, WM_SYSCOMMAND, cmdPickHotkey, 0);
        EXPECT_TRUE(dialogRun.once && dialogRun.greyed && dialogRun.icon);
        bool refused = keys == ctrlAltJ || keys == shiftD;
        EXPECT_EQ(refused, dialogRun.said[0] != 0) << dialogRun.said;
        EXPECT_EQ(refused ? ctrlAltH : keys, pickHotkey);
        EXPECT_EQ("Pic&k hotkey...", item());
        // Ctrl+Alt+H is the program's until None lets it go.
        bool free = RegisterHotKey(nullptr, 3, MOD_CONTROL | MOD_ALT, 'H');
        UnregisterHotKey(nullptr, 3);
        EXPECT_EQ(keys == 0, free);
    }
    clearSettings();
}

// Asked for again from inside its own loop, the copy template's dialog
// stays one, and so does a palette's file dialog: a timer there asks once,
// then counts the dialogs and cancels them all.
int templateAsks, templateDialogs;
std::pair<UINT, const char *> asked;  // the command and its dialog's title

void CALLBACK workTemplateDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND d = nullptr;
    for (int count = 1; (d = FindWindowExA(nullptr, d, "#32770", asked.second)); count++) {
        templateDialogs = count > templateDialogs ? count : templateDialogs;
        if (templateAsks)
            SendDlgItemMessageA(d, IDCANCEL, BM_CLICK, 0, 0);
    }
    if (templateDialogs && !templateAsks++)
        SendMessageA(mainWindow, WM_SYSCOMMAND, asked.first, 0);
}

TEST(TemplateDialog, AskedForAgainStaysOne)
{
    clearSettings();
    HWND w = startProgram();
    ASSERT_TRUE(w);
    const std::pair<UINT, const char *> dialogs[] = {{cmdCopyCustom, "Copy template"},
                                                     {cmdOpenPalette, "Open"}};
    for (auto each : dialogs) {
        asked = each, templateAsks = templateDialogs = 0;
        UINT_PTR timer = SetTimer(nullptr, 0, 20, workTemplateDialog);
        SendMessageA(w, WM_SYSCOMMAND, asked.first, 0);
        KillTimer(nullptr, timer);
        EXPECT_EQ(1, templateDialogs) << asked.second;
    }
    clearSettings();
}

// The command line of the program started for a pick is read back, by the
// system's own reader, as the program's path alone, and a word quoted for
// a command line as that word, whatever blanks, quotes and backslashes it
// holds (a path under "Program Files" would otherwise split in two).
TEST(ProgramStart, CommandLineReadBackWordForWord)
{
    wchar_t line[700], path[MAX_PATH];
    ASSERT_TRUE(ownCommandLine(line, 700));
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    int n = 0;
    LPWSTR *words = CommandLineToArgvW(line, &n);
    ASSERT_EQ(1, n);
    EXPECT_STREQ(path, words[0]);
    LocalFree(words);
    for (const char *word : {"C:\\Program Files\\Tinctora\\tinctora.exe", "say \"hi\" \\",
                             "a\\\\\"b c\\", "", "tab\there", "p\\q\\\\"}) {
        char quoted[80] = "x ";
        ASSERT_TRUE(quoteCommandWord(word, quoted + 2, sizeof quoted - 2));
        MultiByteToWideChar(CP_ACP, 0, quoted, -1, line, 700);
        words = CommandLineToArgvW(line, &n);
        char back[80] = "";
        if (n == 2)
            WideCharToMultiByte(CP_ACP, 0, words[1], -1, back, sizeof back, nullptr, nullptr);
        EXPECT_EQ(2, n) << quoted;
        EXPECT_STREQ(word, back) << quoted;
        LocalFree(words);
    }
}

// A window that takes answers as the command line's does; on a thread of
// its own that sleeps a while before it takes any message.
struct Asker {
    HWND window;
    DWORD sleep;
    HANDLE made;
    bool answered;
    char text[copyTextSize];
};
Asker *asker;

LRESULT CALLBACK askerProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    const COPYDATASTRUCT *data = (const COPYDATASTRUCT *)lp;
    if (msg != WM_COPYDATA)
        return DefWindowProcA(w, msg, wp, lp);
    asker->answered = true;
    lstrcpynA(asker->text, ((const CommandAnswer *)data->lpData)->text, copyTextSize);
    PostMessageA(w, WM_NULL, 0, 0);  // the message loop's wait ends
    return TRUE;
}

DWORD WINAPI runAsker(void *)
{
    asker->window = CreateWindowExA(0, commandAnswerClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, nullptr, nullptr);
    SetEvent(asker->made);
    Sleep(asker->sleep);
    MSG msg;
    while (!asker->answered && GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

LRESULT request(HWND w, HWND from, uintptr_t tag, const CommandRequest &asked, int sizeChange = 0)
{
    std::vector<char> bytes(sizeof(CommandRequestHead) + 64);
    bytes.resize(writeCommandRequest(asked, bytes.data(), bytes.size()) + sizeChange);
    bytes.shrink_to_fit();
    COPYDATASTRUCT data = {tag, (DWORD)bytes.size(), bytes.data()};
    return SendMessageA(w, WM_COPYDATA, (WPARAM)from, (LPARAM)&data);
}

// Only a window of the command line's class is answered, and the face waits
// a frame at most for it to take the answer: one that takes it late gets
// it sent again. A request of the wrong size or tag, a set of no colour or
// from another window is refused and changes nothing.
TEST(CommandRequests, AnsweredOnlyToTheCommandLineNeverWaitedFor)
{
    HWND w = startProgram();
    ASSERT_TRUE(w);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = askerProc;
    wc.lpszClassName = commandAnswerClass;
    RegisterClassA(&wc);
    wc.lpszClassName = "tinctoraAnswers";
    RegisterClassA(&wc);
    Asker own = {}, other = {};
    asker = &other;
    other.window = CreateWindowExA(0, "tinctoraAnswers", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                   nullptr, nullptr, nullptr);
    curColor = 0x3366CC;
    const CommandRequest get = {commandGet, copyCustom, "{R}/{G}/{B}", nullptr, nullptr};
    EXPECT_EQ(replyRefused, request(w, other.window, commandRequestTag, get));
    EXPECT_EQ(replyRefused, request(w, nullptr, commandRequestTag, get));
    EXPECT_FALSE(other.answered);
    DestroyWindow(other.window);
    asker = &own;
    own.sleep = 400;
    own.made = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, runAsker, nullptr, 0, nullptr);
    WaitForSingleObject(own.made, 5000);
    EXPECT_EQ(replyRefused, request(w, own.window, commandAnswerTag, get));
    EXPECT_EQ(replyRefused, request(w, own.window, commandRequestTag, get, -1));
    EXPECT_EQ(replyRefused, request(w, own.window, commandRequestTag, get, 1));
    EXPECT_EQ(replyDone, request(w, own.window, commandRequestTag, get));
    EXPECT_FALSE(own.answered) << "the face waited for a window that was asleep";
    for (int i = 0; i < 100 && !own.answered; i++, Sleep(30))
        pumpMessages();
    EXPECT_STREQ("204/102/51", own.text);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(own.made);
    HWND setter = CreateWindowExA(0, commandAnswerClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, nullptr, nullptr);
    CommandRequest set = {commandSet, formOfProgram, nullptr, " \t", nullptr};
    EXPECT_EQ(replyRefused, request(w, setter, commandRequestTag, set));
    set.colorText = "#12ab9f";
    EXPECT_EQ(replyRefused, request(w, nullptr, commandRequestTag, set));
    EXPECT_EQ(0x3366CCu, curColor);
    EXPECT_EQ(replyDone, request(w, setter, commandRequestTag, set));
    EXPECT_EQ(0x9FAB12u, curColor);
    DestroyWindow(setter);
}

// A palette saved over a file that may not be replaced leaves that file as
// it was and nothing beside it, and says why. Saved over a hidden file it
// stays hidden, and over a file of two names (hard links) both show it.
// Names outside the ANSI code page work.
TEST(PaletteFile, SavedWholeOrNotAtAll)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"tinctora-\u4e2d", name = folder + L"\\p\u00e9.gpl";
    std::wstring other = folder + L"\\other.gpl";
    auto text = [](const std::wstring &file) {
        char bytes[8] = {};
        DWORD got = 0;
        HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ReadFile(h, bytes, 7, &got, nullptr);
        CloseHandle(h);
        return std::string(bytes);
    };
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_EQ(saveDone, writeFileSafely(name.c_str(), "old", 3));
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(saveDone, writeFileSafely(name.c_str(), "older", 5));
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_HIDDEN, GetFileAttributesW(name.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE);
    ASSERT_TRUE(CreateHardLinkW(other.c_str(), name.c_str(), nullptr));
    EXPECT_EQ(saveDone, writeFileSafely(other.c_str(), "oldest", 6));
    EXPECT_EQ("oldest", text(name));
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(saveReadOnly, writeFileSafely(name.c_str(), "new", 3));
    EXPECT_EQ(saveFolder, writeFileSafely(folder.c_str(), "new", 3));
    EXPECT_EQ(saveFailed, writeFileSafely((folder + L"\\a*b.gpl").c_str(), "new", 3)) << "no such name";
    EXPECT_EQ("oldest", text(name));
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(name.c_str());
    DeleteFileW(other.c_str());
    EXPECT_TRUE(RemoveDirectoryW(folder.c_str())) << "a temporary file left beside it";
}

}  // namespace
