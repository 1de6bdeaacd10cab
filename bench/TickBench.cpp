// Times a tick of each program the same way, in this process: its timer
// handler on its shown dialog, the paint it forces included. A timer of the
// bench's own calls it every 50 ms, long after the click before (2.4 ms) has
// ended; the programs' own timers (200 ms and 1 s) are dropped. velmora's is
// the real CFormatDlg::OnTimer, through a subclass.
// usage: velmora_tickbench velmora-first|baseline-first
// prints a line a tick: program,phase,cost_ms (none for a tick that changes
// velmora's phase: two of them change its whole window)
#include <stdio.h>
#include <string.h>

#include "bench/Baseline.h"
#include "bench/Clock.h"
#include "dialog/FormatDlg.h"

namespace {
constexpr UINT_PTR DRIVE_TIMER = 200;
constexpr UINT DRIVE_PERIOD_MS = 50;
constexpr int BASELINE_TICKS = 40;

class CBenchDlg : public CFormatDlg {
protected:
  BOOL OnInitDialog() override {
    const BOOL result = CFormatDlg::OnInitDialog();
    SetTimer(DRIVE_TIMER, DRIVE_PERIOD_MS, nullptr);
    return result;
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_TIMER) return CFormatDlg::WindowProc(message, wParam, lParam);
    if (wParam != DRIVE_TIMER) return 0;
    const int phase = m_nPhase;
    const double start = NowMs();
    OnTimer(IDT_SEQUENCE);
    if (m_nPhase == phase) printf("velmora,%d,%.4f\n", phase, NowMs() - start);
    if (m_nPhase == PHASE_GOTCHA) EndDialog(IDOK);
    return 0;
  }
};

INT_PTR CALLBACK DriveBaseline(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  static int ticks = 0;
  if (message == WM_INITDIALOG) ::SetTimer(hWnd, DRIVE_TIMER, DRIVE_PERIOD_MS, nullptr);
  if (message != WM_TIMER) return BaselineDialogProc(hWnd, message, wParam, lParam);
  if (wParam != DRIVE_TIMER) return TRUE;
  const double start = NowMs();
  BaselineDialogProc(hWnd, WM_TIMER, BASELINE_TIMER_ID, 0);
  printf("baseline,0,%.4f\n", NowMs() - start);
  if (++ticks == BASELINE_TICKS) ::EndDialog(hWnd, 0);
  return TRUE;
}

void RunBaseline() {
  ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_BASELINE), nullptr,
                    &DriveBaseline, 0);
}
}  // namespace

int main(int argc, char** argv) {
  const bool baselineFirst = argc > 1 && strcmp(argv[1], "baseline-first") == 0;
  if (baselineFirst) RunBaseline();
  CBenchDlg().DoModal();
  if (!baselineFirst) RunBaseline();
  return 0;
}
