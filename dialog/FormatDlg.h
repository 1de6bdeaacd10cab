// The one window of the program: a "Disk Utility" dialog that counts down,
// turns into a command prompt that "formats" drive C:, and owns up.
#pragma once

#include "controls/DodgeButton.h"
#include "framework/CButton.h"
#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "framework/CStringArray.h"

enum : int {
  PHASE_COUNTDOWN = 0,
  PHASE_TYPING = 1,
  PHASE_FORMATTING = 2,
  PHASE_GOTCHA = 3,
};

constexpr UINT IDT_SEQUENCE = 100;

class CFormatDlg : public CDialog {
public:
  explicit CFormatDlg(CWnd* pParent = nullptr);

  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  // Lifecycle.
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  HCURSOR OnQueryDragIcon();

  // The timer-driven sequence and its two hidden commands.
  void OnTimer(UINT nIDEvent);
  void OnRevealNow();
  void OnSkipPhase();

  // Disk activity of the formatting phase.
  void CollectSystemFiles();
  void CollectFilesIn(LPCSTR lpszDirectory);
  void ReadNextFile();

  // The two looks of the window.
  void EnterConsoleView();
  void ShowGotcha();

  // Painting.
  void OnPaint();
  void PaintScreen(CDC& dc);
  void PaintDialogLook(CDC& dc);
  void PaintConsoleLook(CDC& dc);

  // Stops any click still playing and starts the next one.
  void PlayClick();
  // Repaints the whole client area now, without erasing it first.
  void RepaintNow();

  int m_nTicks = 0;
  int m_nCountdownSeconds = 15;
  int m_cxConsole = 0;
  int m_cyConsole = 0;
  HICON m_hDosIcon = nullptr;
  HICON m_hGotchaIcon = nullptr;
  HACCEL m_hAccel = nullptr;
  RECT m_rcDialog{};
  RECT m_rcButton{};
  int m_nPhase = PHASE_COUNTDOWN;
  CStockFont m_pTextFont;
  CStockFont m_pConsoleFont;
  CString m_strScreen;
  CBitmap m_bmpConsole;
  CStringArray m_arrFiles;
  BOOL m_bSkip = FALSE;
  CStatic m_staticIcon;
  CDodgeButton m_btnCancel;
  HICON m_hIcon = nullptr;

  DECLARE_MESSAGE_MAP()
};
