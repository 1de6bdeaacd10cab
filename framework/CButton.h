// The two kinds of control the dialog attaches.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {};

class CStatic : public CWnd {
public:
  HICON SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
  }
};
