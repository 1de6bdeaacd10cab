// Painting: word-wrapped text beside the icon in the dialog look, and a
// framed black console composed off-screen in the command-prompt look.
#include "dialog/FormatDlg.h"

namespace {
constexpr int TEXT_MARGIN = 20;
constexpr COLORREF CONSOLE_TEXT = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF CONSOLE_BACKGROUND = RGB(0, 0, 0);
}  // namespace

void CFormatDlg::OnPaint() {
  CPaintDC dc(this);
  if (IsIconic()) {
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
    return;
  }
  PaintScreen(dc);
}

void CFormatDlg::PaintScreen(CDC& dc) {
  switch (m_nPhase) {
    case PHASE_COUNTDOWN:
    case PHASE_GOTCHA:
      PaintDialogLook(dc);
      break;
    case PHASE_TYPING:
    case PHASE_FORMATTING:
      PaintConsoleLook(dc);
      break;
    default:
      break;
  }
}

void CFormatDlg::PaintDialogLook(CDC& dc) {
  // The text area lies between the icon, the button and the client edges.
  RECT area;
  GetClientRect(&area);
  ClientToScreen(&area);
  RECT icon;
  RECT button;
  m_staticIcon.GetWindowRect(&icon);
  m_btnCancel.GetWindowRect(&button);
  area.left = icon.right + TEXT_MARGIN;
  area.top += TEXT_MARGIN;
  area.right -= TEXT_MARGIN;
  area.bottom = button.top - TEXT_MARGIN;
  ScreenToClient(&area);

  CSelectObject font(dc, m_pTextFont);
  dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  dc.SetBkColor(::GetSysColor(COLOR_BTNFACE));
  {
    CBrush face(::GetSysColor(COLOR_BTNFACE));
    dc.FillRect(&area, face);
  }
  dc.DrawText(m_strScreen, m_strScreen.GetLength(), &area, DT_WORDBREAK);
}

void CFormatDlg::PaintConsoleLook(CDC& dc) {
  CMemoryDC memory(dc);
  CSelectObject bitmap(memory, m_bmpConsole);

  RECT console{0, 0, m_cxConsole, m_cyConsole};
  memory.Draw3dRect(&console, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  ::InflateRect(&console, -1, -1);
  {
    CSelectObject font(memory, m_pConsoleFont);
    memory.SetTextColor(CONSOLE_TEXT);
    memory.SetBkColor(CONSOLE_BACKGROUND);
    memory.FillRect(&console, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    memory.DrawText(m_strScreen, m_strScreen.GetLength(), &console, 0);
  }
  dc.BitBlt(0, 0, m_cxConsole, m_cyConsole, memory, 0, 0, SRCCOPY);
}
