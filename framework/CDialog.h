// A dialog made from a template resource and run by our own modal loop, which
// (unlike the system's DialogBox) offers each message to PreTranslateMessage.
#pragma once

#include "framework/CWnd.h"

struct CDataExchange {
  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
};

// Attaches dialog control nIDC to its member object.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Creates the window hidden, initialises it, centres it, shows it and runs
  // the modal loop until OnOK or OnCancel ends it.
  virtual INT_PTR DoModal();

  BOOL PreTranslateMessage(MSG* pMsg) override;
  void EndDialog(int nResult);

protected:
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange*) {}
  BOOL UpdateData(BOOL bSaveAndValidate);
  virtual void OnOK();
  virtual void OnCancel();

  DECLARE_MESSAGE_MAP()

private:
  // The first half of DoModal: the initialised, centred, still hidden window.
  BOOL CreateHidden();
  // Waits for one queued message and dispatches it; FALSE when quitting.
  BOOL PumpMessage();
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Routes a message to the dialog's PreTranslateMessage when it is for the
  // dialog or one of its controls.
  BOOL RouteMessage(MSG* pMsg);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
  BOOL m_bContinueModal = FALSE;
  INT_PTR m_nModalResult = -1;
};
