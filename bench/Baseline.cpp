// The benchmark's baseline: the least a dialog program that does velmora's
// visible work needs, written straight on the Windows API. It plays velmora's
// click when it starts and on each tick, so Wine's sound stack is in both.
#include "bench/Baseline.h"

#include <mmsystem.h>

namespace {
constexpr int TICKS = 5;
int g_ticks = 0;

void Paint(HWND hWnd) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(hWnd, &ps);
  char text[32];
  const int length = ::wsprintfA(text, "Tick %d", g_ticks);
  ::SelectObject(dc, ::GetStockObject(ANSI_VAR_FONT));
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
  ::TextOutA(dc, 8, 8, text, length);
  ::EndPaint(hWnd, &ps);
}

void PlayClick() {
  ::PlaySoundA(MAKEINTRESOURCEA(IDR_BASELINE_CLICK), ::GetModuleHandleA(nullptr),
               SND_RESOURCE | SND_ASYNC);
}
}  // namespace

INT_PTR CALLBACK BaselineDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PlayClick();  // velmora plays its first click here too, before it is shown
      ::SetTimer(hWnd, BASELINE_TIMER_ID, 200, nullptr);
      return TRUE;
    case WM_TIMER:
      PlayClick();
      if (++g_ticks == TICKS) {
        ::KillTimer(hWnd, BASELINE_TIMER_ID);
        ::SetWindowTextA(hWnd, BASELINE_DONE_CAPTION);
      }
      ::InvalidateRect(hWnd, nullptr, FALSE);
      ::UpdateWindow(hWnd);
      return TRUE;
    case WM_PAINT:
      Paint(hWnd);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) ::EndDialog(hWnd, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_BASELINE), nullptr,
                                            &BaselineDialogProc, 0));
}
