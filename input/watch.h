// Watching a point: after L ends a pick, the face goes on showing the
// colour of the screen point where it ended (the sample's square there),
// read about ten times a second, until the user changes the colour or
// asks it to stop. Each change is a step, not a taking: no undo point, no
// History entry, and screen readers are told of it at most once a second.
#pragma once
#include <windows.h>
#include "appmessages.h"

const UINT watchMs = 100;

// The point watched from now on, in place of any watched before.
void startWatching(HWND window, POINT at);
// The watch over, if one runs: at every change of the colour by the user,
// at a pick's start, at Stop watching and at the window's end.
void stopWatching(HWND window);
// Whether a point is watched, and which (at may be null).
bool watching(POINT *at);
// The watch's timer: the point read again, unless a window of the
// program's covers it (the colour then holds); the watch ends when no
// monitor shows the point any more.
void onWatchTimer(HWND window);
// After a change of the displays: the point's monitor asked for again.
void watchDisplaysChanged();
