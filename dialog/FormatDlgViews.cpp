// The two looks of the window: the 80 by 25 command prompt and, at the end,
// the dialog again.
#include "dialog/FormatDlg.h"
#include "dialog/ScreenTexts.h"

namespace {
constexpr int CONSOLE_COLUMNS = 80;
constexpr int CONSOLE_ROWS = 25;
constexpr int CONSOLE_FRAME = 2;  // one pixel on each side
const char MEASURING_TEXT[] =
    "12345678901234567890123456789012345678901234567890123456789012345678901234567890";
static_assert(sizeof MEASURING_TEXT - 1 == CONSOLE_COLUMNS, "one character per column");
}  // namespace

void CFormatDlg::EnterConsoleView() {
  KillTimer(IDT_SEQUENCE);
  ShowWindow(SW_HIDE);
  m_btnCancel.EnableWindow(FALSE);
  m_btnCancel.ShowWindow(SW_HIDE);
  m_staticIcon.ShowWindow(SW_HIDE);

  {
    CClientDC dc(this);
    {
      CSelectObject font(dc, m_pConsoleFont);
      const SIZE cell = dc.GetTextExtent(MEASURING_TEXT, CONSOLE_COLUMNS);
      m_cxConsole = cell.cx + CONSOLE_FRAME;
      m_cyConsole = CONSOLE_ROWS * cell.cy + CONSOLE_FRAME;
    }
    m_bmpConsole.DeleteObject();
    m_bmpConsole.Attach(::CreateCompatibleBitmap(dc, m_cxConsole, m_cyConsole));
  }

  RECT window{0, 0, m_cxConsole, m_cyConsole};
  CalcWindowRect(&window, adjustBorder);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  MoveWindow((::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
             (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, TRUE);

  SetWindowText(g_consoleCaption);
  SetIcon(m_hDosIcon, TRUE);
  SetIcon(m_hDosIcon, FALSE);
  SetFocus();

  SetTimer(IDT_SEQUENCE, 200, nullptr);
  m_strScreen.Empty();
  ShowWindow(SW_SHOW);
  RepaintNow();
}

void CFormatDlg::ShowGotcha() {
  ShowWindow(SW_HIDE);
  KillTimer(IDT_SEQUENCE);
  ::EnableMenuItem(GetSystemMenu(FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);

  MoveWindow(m_rcDialog.left, m_rcDialog.top, m_rcDialog.right - m_rcDialog.left,
             m_rcDialog.bottom - m_rcDialog.top, TRUE);
  CenterWindow();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  m_btnCancel.EnableWindow(TRUE);
  m_btnCancel.ShowWindow(SW_SHOW);
  m_btnCancel.m_bTamed = TRUE;
  m_btnCancel.SetWindowText(g_gotchaButtonLabel);
  m_btnCancel.MoveWindow(m_rcButton.left, m_rcButton.top, m_rcButton.right - m_rcButton.left,
                         m_rcButton.bottom - m_rcButton.top, TRUE);

  m_staticIcon.ShowWindow(SW_SHOW);
  m_staticIcon.SetIcon(m_hGotchaIcon);
  SetWindowText(g_gotchaCaption);
  m_strScreen = g_gotchaScreen;

  ShowWindow(SW_SHOW);
  m_btnCancel.SetFocus();
}
