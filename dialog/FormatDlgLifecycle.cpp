// Construction, initialisation, hot keys and the closing rules.
#include "dialog/FormatDlg.h"
#include "framework/MessageHandlers.h"
#include "res/resource.h"

namespace {
HICON LoadAppIcon(UINT nID) {
  return ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCEA(nID), RT_GROUP_ICON),
                     MAKEINTRESOURCEA(nID));
}
}  // namespace

BEGIN_MESSAGE_MAP(CFormatDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_WM_TIMER()
  ON_COMMAND(ID_REVEAL_NOW, OnRevealNow)
  ON_COMMAND(IDC_CANCEL_BUTTON, OnOK)
  ON_COMMAND(ID_SKIP_PHASE, OnSkipPhase)
END_MESSAGE_MAP()

CFormatDlg::CFormatDlg(CWnd* pParent) : CDialog(IDD_FORMAT_DIALOG, pParent) {
  m_hIcon = LoadAppIcon(IDR_MAINFRAME);
  m_hDosIcon = LoadAppIcon(IDI_DOS_PROMPT);
  m_hGotchaIcon = LoadAppIcon(IDI_GOTCHA);
  m_hAccel = ::LoadAcceleratorsA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_HOTKEYS));
}

void CFormatDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ICON_STATIC, m_staticIcon);
  DDX_Control(pDX, IDC_CANCEL_BUTTON, m_btnCancel);
}

BOOL CFormatDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  SetTimer(IDT_SEQUENCE, 1000, nullptr);
  OnTimer(IDT_SEQUENCE);  // the first tick, while the window is still hidden

  ::EnableMenuItem(GetSystemMenu(FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  m_staticIcon.SetIcon(::LoadIconA(nullptr, IDI_HAND));

  GetWindowRect(&m_rcDialog);
  m_btnCancel.GetWindowRect(&m_rcButton);
  ScreenToClient(&m_rcButton);
  m_btnCancel.SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);

  m_pTextFont = CStockFont(static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT)));
  m_pConsoleFont = CStockFont(static_cast<HFONT>(::GetStockObject(OEM_FIXED_FONT)));

  CollectSystemFiles();
  return TRUE;
}

BOOL CFormatDlg::PreTranslateMessage(MSG* pMsg) {
  // Hot keys first, wherever the focus is.
  if (m_hAccel && ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg)) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

// Nothing closes the dialog before the gotcha.
void CFormatDlg::OnOK() {
  if (m_nPhase == PHASE_GOTCHA) CDialog::OnOK();
}

void CFormatDlg::OnCancel() {
  if (m_nPhase == PHASE_GOTCHA) CDialog::OnCancel();
}

HCURSOR CFormatDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
