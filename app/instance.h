// One Tinctora per session: a second start brings the running window
// forward and ends, so that two windows never save over each other.
#pragma once

// True when another Tinctora runs in this session; its window has then
// been restored if minimised and brought to the front. Reads and writes
// no settings.
bool handedToRunningInstance();
