// Times the real dialog code in-process: the real OnTimer and the paint it
// forces, through a subclass that wraps it with QueryPerformanceCounter.
//
// Three passes, each on a fresh dialog:
//   live     the whole run as the program runs it (DoModal, real timer);
//            gives the timeline and, with an emptied file cache, cold reads;
//   warm     every tick driven back to back, the same files now cached;
//   noread   driven again with an empty file list: ticks without the read;
//   silent   driven again with the click left out, to show what it costs.
// prints one CSV line per tick: pass,tick,at_ms,cost_ms,phase_before,phase_after,read
#include <stdio.h>

#include "bench/Clock.h"
#include "dialog/FormatDlg.h"
#include "framework/MessageHandlers.h"

class CBenchDlg : public CFormatDlg {
public:
  CBenchDlg(const char* pass, BOOL bClick) : m_pszPass(pass), m_bClick(bClick) {}

  // Runs the whole sequence modally, with the real timer, up to the gotcha.
  void RunLive() {
    m_bLive = TRUE;
    DoModal();
  }

  // Drives every tick at once, letting queued messages through in between.
  void RunDriven(BOOL bWithFiles) {
    if (!CreateHidden()) return;
    if (!bWithFiles) m_arrFiles.RemoveAt(0, m_arrFiles.GetSize());
    m_fStart = NowMs();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    while (m_nPhase != PHASE_GOTCHA) {
      Pump();
      TimedTick();
    }
    Pump();
  }

protected:
  BOOL OnInitDialog() override {
    m_fStart = NowMs();  // the first tick runs inside, at nominal time 0
    return CFormatDlg::OnInitDialog();
  }

  void OnTimer(UINT nIDEvent) {
    if (nIDEvent != IDT_SEQUENCE || !m_bLive) return;  // driven passes tick themselves
    TimedTick();
    if (m_nPhase == PHASE_GOTCHA) EndDialog(IDOK);
  }

  void PlayClick() override {
    if (m_bClick) CFormatDlg::PlayClick();
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

  void Pump() {
    while (PumpMessage(FALSE)) {
    }
  }

  DECLARE_MESSAGE_MAP()

private:
  const char* m_pszPass;
  BOOL m_bClick;
  BOOL m_bLive = FALSE;
  double m_fStart = 0;
  int m_nTick = 0;
};

BEGIN_MESSAGE_MAP(CBenchDlg, CFormatDlg)
  ON_WM_TIMER()
END_MESSAGE_MAP()

int main() {
  printf("pass,tick,at_ms,cost_ms,phase_before,phase_after,read\n");
  {
    CBenchDlg live("live", TRUE);
    live.RunLive();
  }
  {
    CBenchDlg warm("warm", TRUE);
    warm.RunDriven(TRUE);
  }
  {
    CBenchDlg noread("noread", TRUE);
    noread.RunDriven(FALSE);
  }
  {
    CBenchDlg silent("silent", FALSE);
    silent.RunDriven(FALSE);
  }
  return 0;
}
