// The still screen: a copy of the whole virtual screen, every monitor,
// taken at once, so that what goes away when the pointer moves or the face
// comes forward (another program's menu, tooltip or hover state, a frame
// of a video) can still be picked. While a pick holds it, a top-most
// window shows it over every monitor pixel for pixel, under the magnifier,
// and the pick reads from it alone.
#pragma once
#include <windows.h>

// At start-up; without the class no copy is taken and picks stay live.
void registerStillScreenClass(HINSTANCE instance);
// The screen copied into memory, a copy held before let go; false when
// the memory or the read failed, and the pick then reads the live screen.
// Nothing is shown yet.
bool takeStillScreen(HWND owner);
// The copy shown over every monitor, above every window.
void showStillScreen();
// The copy's context, its coordinates the screen's; null while none is held.
HDC stillScreenDC();
// The copy and its window gone, the memory freed: at every end of a pick
// and at F, and by the window itself at a change of the displays or of a
// monitor's scale, after which the copy no longer matches the screen.
void dropStillScreen();
