// One Tinctora per session: a second start brings the running window
// forward and ends, so that two windows never save over each other.
#pragma once
#include <windows.h>

// True when another Tinctora runs in this session; its window has then
// been restored if minimised and brought to the front. Reads and writes
// no settings. A Tinctora that is closing is waited for, a few seconds at
// most, and then this one starts.
bool handedToRunningInstance();
// The running Tinctora's window, waited for a moment while it starts;
// null where none shows. ours tells whether this process now holds the
// instance (none runs, or the other has ended) until leaveInstance.
HWND findRunningInstance(bool &ours);
// The running window restored, raised over what covers it and given the
// focus; where the desktop refuses the focus, its taskbar button flashes.
void bringForward(HWND running);
// At the close, once the settings are saved: a second start need no
// longer wait for this one.
void leaveInstance();
