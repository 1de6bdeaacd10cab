// Shared by the baseline program and its resource script.
#pragma once

#define IDD_BASELINE 100
#define IDR_BASELINE_CLICK 101
// The caption the baseline takes once its ticks are done: the point where
// the monitor measures its memory, as it does velmora's at the gotcha.
#define BASELINE_DONE_CAPTION "Velmora baseline done"
