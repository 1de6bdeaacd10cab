// The benchmark's baseline: the least a dialog program with a timer, a
// painted text and a button needs, written straight on the Windows API.
// With "click" on its command line it also plays velmora's click each tick,
// to show what the sound service alone costs.
#include <windows.h>

#include <mmsystem.h>

#include <stdio.h>
#include <string.h>

#include "Baseline.h"

namespace {
constexpr UINT_PTR TIMER_ID = 100;
constexpr UINT TIMER_PERIOD_MS = 200;
constexpr int TICKS = 5;
int g_ticks = 0;
bool g_click = false;

void Paint(HWND hWnd) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(hWnd, &ps);
  char text[32];
  const int length = snprintf(text, sizeof text, "Tick %d", g_ticks);
  RECT area;
  ::GetClientRect(hWnd, &area);
  ::SelectObject(dc, ::GetStockObject(ANSI_VAR_FONT));
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
  ::DrawTextA(dc, text, length, &area, DT_WORDBREAK);
  ::EndPaint(hWnd, &ps);
}

void PlayClick() {
  if (!g_click) return;
  ::PlaySoundA(MAKEINTRESOURCEA(IDR_BASELINE_CLICK), ::GetModuleHandleA(nullptr),
               SND_RESOURCE | SND_ASYNC);
}

INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PlayClick();  // velmora plays its first click here too, before it is shown
      ::SetTimer(hWnd, TIMER_ID, TIMER_PERIOD_MS, nullptr);
      return TRUE;
    case WM_TIMER:
      PlayClick();
      if (++g_ticks == TICKS) {
        ::KillTimer(hWnd, TIMER_ID);
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
}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int) {
  g_click = strstr(lpCmdLine, "click") != nullptr;
  return static_cast<int>(
      ::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_BASELINE), nullptr, &DialogProc, 0));
}
