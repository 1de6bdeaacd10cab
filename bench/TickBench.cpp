// Times the real dialog code in-process: the real OnTimer and the paint it
// forces, through a subclass that wraps it with QueryPerformanceCounter.
//
// Three passes, each on a fresh dialog run modally:
//   live     the whole run as the program runs it (real timer);
//            gives the timeline and, with an emptied file cache, cold reads;
//   warm     every tick driven back to back, the same files now cached;
//   noread   driven again with an empty file list: ticks without the read.
// prints one CSV line per tick: pass,tick,at_ms,cost_ms,phase_before,phase_after,read
#include <stdio.h>

#include "bench/Clock.h"
#include "dialog/FormatDlg.h"
#include "framework/MessageHandlers.h"

class CBenchDlg : public CFormatDlg {
public:
  explicit CBenchDlg(const char* pass) : m_pszPass(pass) {}

  // Runs the whole sequence with the real timer, up to the gotcha.
  void RunLive() {
    m_bLive = TRUE;
    DoModal();
  }

  // Once the dialog shows, drives every tick back to back, letting queued
  // messages through in between.
  void RunDriven(BOOL bWithFiles) {
    m_bWithFiles = bWithFiles;
    DoModal();
  }

protected:
  BOOL OnInitDialog() override {
    m_fStart = NowMs();  // the first tick runs inside, at nominal time 0
    const BOOL result = CFormatDlg::OnInitDialog();
    if (!m_bLive) PostMessageA(m_hWnd, kDriveMessage, 0, 0);
    return result;
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != kDriveMessage) return CFormatDlg::WindowProc(message, wParam, lParam);
    if (!m_bWithFiles) m_arrFiles.RemoveAt(0, m_arrFiles.GetSize());
    m_fStart = NowMs();
    UpdateWindow();
    while (m_nPhase != PHASE_GOTCHA) {
      Pump();
      TimedTick();
    }
    Pump();
    EndDialog(IDOK);
    return 0;
  }

  void OnTimer(UINT nIDEvent) {
    if (nIDEvent != IDT_SEQUENCE || !m_bLive) return;  // driven passes tick themselves
    TimedTick();
    if (m_nPhase == PHASE_GOTCHA) EndDialog(IDOK);
  }

  void TimedTick() {
    const int phase = m_nPhase;
    const int files = m_arrFiles.GetSize();
    const double start = NowMs();
    CFormatDlg::OnTimer(IDT_SEQUENCE);
    const double end = NowMs();
    printf("%s,%d,%.3f,%.4f,%d,%d,%d\n", m_pszPass, ++m_nTick, start - m_fStart, end - start, phase,
           m_nPhase, m_arrFiles.GetSize() < files ? 1 : 0);
  }

  static void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }

  DECLARE_MESSAGE_MAP()

private:
  static constexpr UINT kDriveMessage = WM_APP;
  const char* m_pszPass;
  BOOL m_bLive = FALSE;
  BOOL m_bWithFiles = TRUE;
  double m_fStart = 0;
  int m_nTick = 0;
};

BEGIN_MESSAGE_MAP(CBenchDlg, CFormatDlg)
  ON_WM_TIMER()
END_MESSAGE_MAP()

int main() {
  printf("pass,tick,at_ms,cost_ms,phase_before,phase_after,read\n");
  {
    CBenchDlg live("live");
    live.RunLive();
  }
  {
    CBenchDlg warm("warm");
    warm.RunDriven(TRUE);
  }
  {
    CBenchDlg noread("noread");
    noread.RunDriven(FALSE);
  }
  return 0;
}
