// A command line's request to the running window, and its answer, both
// carried by WM_COPYDATA: the command line's process sends the request with
// the handle of a window of its own as the word parameter, and the running
// window answers there. Either side checks what it receives, since any
// program may send it.
#pragma once
#include <windows.h>
#include <cstdint>

#include "core/colortemplate.h"
#include "core/colortext.h"

const ULONG_PTR commandRequestTag = 0x54637251;  // "QrcT"
const ULONG_PTR commandAnswerTag = 0x54637241;   // "ArcT"

// What the running window returns for a request.
enum CommandReply { replyRefused = 0, replyDone = 1, replyPickStarted = 2 };

// The request: the --set text follows it, as many bytes as remain.
struct CommandRequestHead {
    uint32_t action;  // a CommandAction: commandPick, commandGet or commandSet
    int32_t form;     // a CopyForm, or formOfProgram
    uint32_t ownTemplate;  // 1: the colour goes through templateText
    char templateText[copyTemplateSize];
};

// The answer: 0 with the colour's text, or 1 (a pick cancelled).
struct CommandAnswer {
    uint32_t status;
    char text[copyTextSize];
};

// The running window's side: a WM_COPYDATA from a command line.
LRESULT onCopyData(HWND window, WPARAM wp, LPARAM lp);
// A pick the command line asked for has ended, taken or not.
void answerCommandPick(HWND window, bool taken);
// The command line waiting on a pick told that none will come: the window closes.
void abandonCommandPick();
