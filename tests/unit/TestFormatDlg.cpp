#include "tests/unit/TestFormatDlg.h"

#include "framework/MessageHandlers.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(TestFormatDlg, CFormatDlg)
  ON_WM_PAINT()
  ON_WM_TIMER()
  ON_COMMAND(IDC_CANCEL_BUTTON, OnButtonCommand)
END_MESSAGE_MAP()

void TestFormatDlg::OnPaint() {
  paints.push_back(
      {m_nPhase, Screen(), static_cast<const char*>(GetWindowText()), m_arrFiles.GetSize()});
  CFormatDlg::OnPaint();
}

void TestFormatDlg::OnTimer(UINT nIDEvent) {
  timerArrivals.push_back(::GetTickCount());
  if (liveTimer) CFormatDlg::OnTimer(nIDEvent);
}

void TestFormatDlg::OnButtonCommand() {
  ++buttonCommands;
  CFormatDlg::OnOK();
}

void DialogTest::Show() {
  dlg.ShowWindow(SW_SHOW);
  ::SetForegroundWindow(dlg.m_hWnd);
  dlg.UpdateWindow();
}

void DialogTest::Pump() {
  while (dlg.PumpMessage(FALSE)) {
  }
}

void DialogTest::AdvanceTo(int phase, int ticks) {
  for (int guard = 0; guard < 400; ++guard) {
    if (dlg.m_nPhase == phase && dlg.m_nTicks == ticks) return;
    dlg.Tick();
  }
  FAIL() << "never reached phase " << phase << " tick " << ticks;
}

RECT WindowRect(HWND hWnd) {
  RECT rect;
  ::GetWindowRect(hWnd, &rect);
  return rect;
}

RECT ClientRectOnScreen(HWND hWnd) {
  RECT rect;
  ::GetClientRect(hWnd, &rect);
  ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
