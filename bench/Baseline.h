// Shared by the baseline program, its resource script and the tick bench.
#pragma once

#define IDD_BASELINE 100
#define IDR_BASELINE_CLICK 101
// The caption the baseline takes once its ticks are done: the point where
// the monitor reads its memory, as it does velmora's at the gotcha.
#define BASELINE_DONE_CAPTION "Velmora baseline done"

#ifndef RC_INVOKED
#include <windows.h>

constexpr UINT_PTR BASELINE_TIMER_ID = 100;
// The whole program; the tick bench drives its WM_TIMER handler directly.
INT_PTR CALLBACK BaselineDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
#endif
