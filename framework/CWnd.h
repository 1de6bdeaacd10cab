// Thin wrapper over a window handle. Windows are subclassed so that their
// messages reach the owning object's message table first; Default() hands the
// message being handled to the procedure that ours replaced. Which object
// belongs to a window is kept in the framework, never in the window itself.
#pragma once

#include "framework/Afx.h"
#include "framework/CCmdTarget.h"
#include "framework/CString.h"

struct CPoint : POINT {
  CPoint(int px, int py) : POINT{px, py} {}
};

class CWnd : public CCmdTarget {
public:
  CWnd() = default;
  ~CWnd() override;

  explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }

  // The object attached to hWnd, or a temporary wrapper valid only for the
  // current message.
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);
  static const CWnd wndTopMost;

  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  // Offered every queued message for this window before it is dispatched;
  // TRUE means the message was handled and must not be dispatched.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  // Windows and placement.
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
  }
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy,
                          nFlags);
  }
  // Centres on the work area of the screen (or over pAlternateOwner).
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  enum AdjustType { adjustBorder = 0 };
  void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder) const;
  void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
  void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }

  // Text, icons, focus, menus.
  void SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  HMENU GetSystemMenu(BOOL bRevert) const { return ::GetSystemMenu(m_hWnd, bRevert); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }

  // Timers and painting.
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
  }
  BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
  void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }

protected:
  // Gives the message being handled its default handling.
  LRESULT Default();
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Dispatches through the message tables; FALSE when no entry handled it.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL OnCmdMsg(UINT nID) override;

private:
  static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } m_current{};
};
