// The real dialog, created from its template, with a window onto its state.
// Tests drive the ticks; real timer messages are only counted unless a test
// lets them through.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/FormatDlg.h"

class TestFormatDlg : public CFormatDlg {
public:
  struct Paint {
    int phase;
    std::string screen;
    std::string caption;
    int filesLeft;
  };

  using CFormatDlg::CollectFilesIn;
  using CFormatDlg::m_arrFiles;
  using CFormatDlg::m_bSkip;
  using CFormatDlg::m_btnCancel;
  using CFormatDlg::m_cxConsole;
  using CFormatDlg::m_cyConsole;
  using CFormatDlg::m_hDosIcon;
  using CFormatDlg::m_hGotchaIcon;
  using CFormatDlg::m_hIcon;
  using CFormatDlg::m_nPhase;
  using CFormatDlg::m_nTicks;
  using CFormatDlg::m_rcButton;
  using CFormatDlg::m_rcDialog;
  using CFormatDlg::m_staticIcon;
  using CFormatDlg::m_strScreen;
  using CFormatDlg::OnRevealNow;
  using CFormatDlg::OnSkipPhase;
  using CFormatDlg::ReadNextFile;

  // One tick of the sequence, as the timer delivers it.
  void Tick(UINT id = IDT_SEQUENCE) { CFormatDlg::OnTimer(id); }
  std::string Screen() const { return static_cast<const char*>(m_strScreen); }

  std::vector<int> clicksAtTick;  // m_nTicks when each click started
  std::vector<Paint> paints;
  std::vector<DWORD> timerArrivals;  // GetTickCount of each real timer message
  int buttonCommands = 0;
  bool liveTimer = false;

protected:
  void PlayClick() override { clicksAtTick.push_back(m_nTicks); }
  void OnPaint();
  void OnTimer(UINT nIDEvent);
  void OnButtonCommand();

  DECLARE_MESSAGE_MAP()
};

// A fresh dialog per test, created hidden as the program creates it.
class DialogTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(dlg.CreateHidden()) << "error " << ::GetLastError(); }

  // Shows the dialog as the modal run does after initialisation.
  void Show();
  // Runs the dialog's own message routing until nothing is queued.
  void Pump();
  // Pumps until the condition holds or the time-out passes.
  template <class Condition>
  bool PumpUntil(Condition condition, DWORD timeoutMs = 5000) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
      if (::GetTickCount() - start > timeoutMs) return false;
      Pump();
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
  }
  // Ticks until the dialog reaches the phase (and ticks within it).
  void AdvanceTo(int phase, int ticks = 0);

  TestFormatDlg dlg;
};

RECT WindowRect(HWND hWnd);
RECT ClientRectOnScreen(HWND hWnd);
