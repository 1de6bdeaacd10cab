// Another module's window procedure, as window utilities put into every program: it keeps the one
// it replaced where many keep theirs (GWLP_USERDATA) and passes every message on unchanged.
#pragma once

#include <windows.h>

inline LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_USERDATA)),
                           window, message, wParam, lParam);
}

inline void PutForeignInFront(HWND window) {
  const auto passOn = reinterpret_cast<LONG_PTR>(&PassOn);
  ::SetWindowLongPtrW(window, GWLP_USERDATA, ::SetWindowLongPtrW(window, GWLP_WNDPROC, passOn));
}
