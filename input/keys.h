// Letter keys, the keys of a gesture and of the focused control,
// accelerator commands, the
// right-button copy and the double-click paste.
#pragma once
#include <windows.h>

void onChar(HWND window, WPARAM wp, LPARAM lp);
void onKeyDown(HWND window, WPARAM wp, LPARAM lp);
void onCommand(HWND window, WPARAM wp, LPARAM lp);
void onRightButtonUp(HWND window, WPARAM wp, LPARAM lp);
void onLeftButtonDoubleClick(HWND window, WPARAM wp, LPARAM lp);
