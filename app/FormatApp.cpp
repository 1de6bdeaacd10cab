#include "app/FormatApp.h"

#include "dialog/FormatDlg.h"
#include "framework/MessageHandlers.h"

CFormatApp theApp;

BEGIN_MESSAGE_MAP(CFormatApp, CWinApp)
  ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL CFormatApp::InitInstance() {
  Enable3dControls();
  CFormatDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  // No application message loop: the process ends with the dialog.
  return FALSE;
}
