// The magnifier shown while picking: the 11 by 11 screen pixels around the
// pointer, each an 8 by 8 block at the face's scale, the centre one framed
// in black or white, whichever stands out against it. A top-most pop-up
// beside the pointer that never takes activation or focus and never covers
// the pointer or the pixels it shows, so it is never what is sampled.
#pragma once
#include <windows.h>

// At start-up; without the class a pick runs without the magnifier.
void registerMagnifierClass(HINSTANCE instance);

// At the start of a pick: the pop-up, not yet shown.
void openMagnifier(HWND owner);
// How long the screen may go on showing the magnifier where it was, until
// the windows below have repainted (under X without a compositor) or the
// next frame is composed.
const UINT screenSettleMs = 40;

// Each sample, before the screen is read: the magnifier kept beside the
// point on its monitor. True when it lay over the pixels around the point
// less than screenSettleMs ago, so that a read there may still show it.
bool placeMagnifier(POINT at);
// Then: the pixels around the point, read from the screen context.
void showMagnified(HDC screen, POINT at, COLORREF centre);
// At the end of a pick: gone, nothing kept.
void closeMagnifier();
