#include "framework/CWinApp.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleA(nullptr); }

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR) { return AfxGetResourceHandle(); }

CWinApp::CWinApp() : m_hInstance(AfxGetInstanceHandle()) { g_pApp = this; }

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

// The program ships no help file, so there is nothing to open.
void CWinApp::OnHelp() {}

int AfxWinMain(HINSTANCE hInstance) {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  app->m_hInstance = hInstance;
  app->InitInstance();
  return 0;
}
