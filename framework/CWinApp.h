// The application object: exactly one global instance, run by the process entry.
#pragma once

#include "framework/Afx.h"
#include "framework/CCmdTarget.h"

class CWinApp : public CCmdTarget {
public:
  CWinApp();
  ~CWinApp() override;

  // Runs the program. There is no application message loop: a program on
  // this framework lives inside InitInstance, as one modal dialog.
  virtual BOOL InitInstance() { return FALSE; }

  // Kept for the classic start-up sequence; 3D controls are the default now.
  BOOL Enable3dControls() { return TRUE; }
  void OnHelp();

  HINSTANCE m_hInstance;
  CWnd* m_pMainWnd = nullptr;
};

// Standard framework command identifiers.
constexpr UINT ID_HELP = 0xE146;

// The process entry of a program built on this framework.
int AfxWinMain(HINSTANCE hInstance);
