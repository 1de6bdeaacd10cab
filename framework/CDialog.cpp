#include "framework/CDialog.h"

#include <stdlib.h>
#include <string.h>

#include "framework/MessageHandlers.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (!rControl.m_hWnd) rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

BOOL CDialog::CreateHidden() {
  HINSTANCE instance = AfxFindResourceHandle(MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
  HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
  HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
  const void* resource = loaded ? ::LockResource(loaded) : nullptr;
  if (!resource) return FALSE;

  // Work on a copy without WS_VISIBLE, so that the window stays hidden until
  // it has been initialised and centred.
  const DWORD size = ::SizeofResource(instance, found);
  BYTE* copy = static_cast<BYTE*>(malloc(size));
  if (!copy) return FALSE;
  memcpy(copy, resource, size);
  const bool extended = size >= 16 && copy[2] == 0xFF && copy[3] == 0xFF;
  DWORD* style = reinterpret_cast<DWORD*>(copy + (extended ? 12 : 0));
  *style &= ~static_cast<DWORD>(WS_VISIBLE);

  m_bContinueModal = TRUE;
  HWND created = ::CreateDialogIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(copy),
                                              m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr,
                                              &DialogProc, reinterpret_cast<LPARAM>(this));
  free(copy);
  if (!created) return FALSE;
  // A dialog that could not be attached would be pumped for ever, unseen.
  if (m_hWnd != created) {
    ::DestroyWindow(created);
    return FALSE;
  }
  // An ownerless dialog laid out at 0, 0 is centred on the screen.
  CenterWindow();
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  if (!CreateHidden()) return -1;
  ShowWindow(SW_SHOW);
  while (m_bContinueModal && PumpMessage()) {
  }
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  return m_nModalResult;
}

BOOL CDialog::PumpMessage() {
  MSG msg;
  const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
  if (got == -1) {  // msg was not filled: the run ends as one that never started
    EndDialog(-1);
    return FALSE;
  }
  if (!got) {
    ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the outer loop
    return FALSE;
  }
  if (!RouteMessage(&msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return TRUE;
}

BOOL CDialog::RouteMessage(MSG* pMsg) {
  if (!m_hWnd) return FALSE;
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
  return PreTranslateMessage(pMsg);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  // Tab, Enter and Esc: the dialog manager turns them into focus moves and
  // the OK and Cancel commands.
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
    return ::IsDialogMessageA(m_hWnd, pMsg);
  }
  return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  // From here on every message passes our window procedure first.
  CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
  if (!dialog->SubclassWindow(hWnd)) return FALSE;  // CreateHidden ends it
  return dialog->OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange exchange{this, bSaveAndValidate};
  DoDataExchange(&exchange);
  return TRUE;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bContinueModal = FALSE;
}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
