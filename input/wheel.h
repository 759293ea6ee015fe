// The mouse wheel over the face: over a channel (its readout or either of
// its arrows) each notch steps it by 1, up raises and down lowers; over the
// bottom row it lightens and darkens by 1; elsewhere, and while a gesture
// other than a pick runs, nothing. During a pick, wherever the pointer is,
// each notch zooms the magnifier, up in and down out; with Ctrl it makes
// the sample's square larger or smaller.
#pragma once
#include <windows.h>

void onMouseWheel(HWND window, WPARAM wp, LPARAM lp);
