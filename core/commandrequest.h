// The bytes a command line's request to the running window and the
// window's answer travel in (WM_COPYDATA, app/): written by one process and
// read by another, so the reader checks every byte count, tag and field,
// since any program may send them.
#pragma once
#include <cstddef>
#include <cstdint>

#include "colortemplate.h"
#include "colortext.h"
#include "commandline.h"

const uintptr_t commandRequestTag = 0x54637251;  // "QrcT"
const uintptr_t commandAnswerTag = 0x54637241;   // "ArcT"

// A request names, as its word parameter, the window that takes the
// answer; the running window answers only a window of this class.
const char commandAnswerClass[] = "tinctoraAnswer";

// What the running window returns for a request.
enum CommandReply { replyRefused = 0, replyDone = 1, replyPickStarted = 2 };

// The request's fixed part; what follows it, as many bytes as remain, is
// the --set text or the palette's file name (UTF-8).
struct CommandRequestHead {
    uint32_t action;       // a CommandAction: commandPick, commandGet, commandSet, commandOpen
    int32_t form;          // a CopyForm, or formOfProgram
    uint32_t ownTemplate;  // 1: the colour goes through templateText
    char templateText[copyTemplateSize];  // UTF-8
};

// The answer: 0 with the colour's text (UTF-8), or 1 (a pick cancelled).
struct CommandAnswer {
    uint32_t status;
    char text[copyTextSize];
};

// The request's bytes into out; their count, 0 where they need more than
// room.
size_t writeCommandRequest(const CommandRequest &request, void *out, size_t room);
// A request as received: true for one with the request's tag and at least
// a whole head, an action a request may ask, a form there is, a template
// ended within its field and given only with a form that prints, and a
// text only where the action takes one (an open's not empty). The head is
// copied; text points into bytes, textSize bytes long.
bool readCommandRequest(uintptr_t tag, const void *bytes, size_t size, CommandRequestHead &head,
                        const char *&text, size_t &textSize);
// An answer as received: true for one of exactly an answer's size with
// the answer's tag and status 0 or 1; its text then ends within it.
bool readCommandAnswer(uintptr_t tag, const void *bytes, size_t size, CommandAnswer &answer);
