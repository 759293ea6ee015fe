// One Tinctora per session: a second start brings the running window
// forward and ends, so that two windows never save over each other.
#pragma once
#include <windows.h>

// True when another Tinctora runs in this session; its window has then
// been restored if minimised and brought to the front. Reads and writes
// no settings. A Tinctora that is closing is waited for, a few seconds at
// most, and then this one starts.
bool handedToRunningInstance();
// The class of the face's window, by which a start finds the running one.
extern const wchar_t faceClassName[];
// The face of a running Tinctora once it shows, waited for up to ms;
// null, with ended set, as soon as the object stop is signalled (a
// starting program's process ended, the instance's mutex taken), or
// once the time is up.
HWND waitForFace(HANDLE stop, DWORD ms, bool &ended);
// The running Tinctora's window, waited for a moment while it starts;
// null where none shows. ours tells whether this process now holds the
// instance (none runs, or the other has ended) until leaveInstance.
HWND findRunningInstance(bool &ours);
// At the close, once the settings are saved: a second start need no
// longer wait for this one.
void leaveInstance();
// The window restored if minimised, raised to the top of its band and
// activated; where the desktop refuses the activation, it asks for
// attention instead. For a second start and for the pick hotkey alike.
void bringForward(HWND window);
