// The application object: runs the one dialog and ends.
#pragma once

#include "framework/CWinApp.h"

class CFormatApp : public CWinApp {
public:
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
