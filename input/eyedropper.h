// The eyedropper: a press held 400 ms on the swatch starts a pick that
// reads the screen pixel under the pointer at every move.
#pragma once
#include <windows.h>

const UINT_PTR holdTimerId = 1;
const UINT holdTimerMs = 400;

void onHoldTimer(HWND window);
void sampleUnderPointer(HWND window);
void endPick(HWND window);
