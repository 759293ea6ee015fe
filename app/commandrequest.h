// The running window's side of the command line's requests, which come by
// WM_COPYDATA with the handle of the command line's own window as the word
// parameter (core/commandrequest.h has their bytes). Any program may send
// one: a request of the wrong size, tag or shape, or one naming a window
// that is not a command line's, is refused. The answer never holds the
// face up for more than a frame, whatever the window named does.
#pragma once
#include <windows.h>
#include "input/appmessages.h"
#include <cstddef>
#include <cstdint>


// WM_COPYDATA from a command line.
LRESULT onCopyData(HWND window, WPARAM wp, LPARAM lp);
// A pick the command line asked for has ended, taken or not.
void answerCommandPick(HWND window, bool taken);
// The command line waiting on a pick told that none will come: the window closes.
void abandonCommandPick();
// The answer's timer: the answer sent again, for a few seconds at most.
void onAnswerRetryTimer(HWND window);

// A palette file to open once the window shows, named on the command line
// of this start.
void openPaletteAtStart(const wchar_t *name);
// At WM_CREATE: the palette named at the start, if any, opened once the
// window shows.
void openStartPalette(HWND window);
// openPaletteMsg: the palette named by the start or by a request opened,
// the face brought forward to show it.
void onOpenPalette(HWND window);
