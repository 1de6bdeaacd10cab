// The application object: exactly one global instance, started by WinMain.
#pragma once

#include "framework/Afx.h"
#include "framework/CCmdTarget.h"

class CWinApp : public CCmdTarget {
public:
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  // Returns FALSE to end the process without an application message loop.
  virtual BOOL InitInstance() { return TRUE; }
  virtual int Run();

  // Kept for the classic start-up sequence; 3D controls are the default now.
  BOOL Enable3dControls() { return TRUE; }
  void OnHelp();

  LPCSTR m_pszAppName;
  HINSTANCE m_hInstance;
  CWnd* m_pMainWnd = nullptr;
};

// Standard framework command identifiers.
constexpr UINT ID_HELP = 0xE146;

// The process entry of a program built on this framework.
int AfxWinMain(HINSTANCE hInstance);
