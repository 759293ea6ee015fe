// The command line's side of a request to the running window: the request
// sent, with the handle of a message-only window of this process's own for
// the answer, which is waited for and printed.
#pragma once
#include <windows.h>

#include "core/commandline.h"

// The command line's exit status: 0 done (a colour taken or read is
// printed), 1 refused, cancelled or not answered.
int askRunningWindow(HINSTANCE instance, HWND running, const CommandRequest &request);
// The colour's text printed as a line of its own; false where it could not be.
bool printLine(const char *text);
