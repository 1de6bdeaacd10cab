#include "controls/DodgeButton.h"

#include <stdlib.h>

#include "framework/MessageHandlers.h"

int RandomInRange(int low, int high) { return low + rand() % (high - low); }

BEGIN_MESSAGE_MAP(CDodgeButton, CButton)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_MOUSEMOVE()
  ON_WM_SETFOCUS()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_CHAR()
END_MESSAGE_MAP()

void CDodgeButton::OnLButtonDown(UINT, CPoint) {
  if (m_bTamed) {
    Default();
  } else {
    JumpAway();
  }
}

// A quick second press arrives as a double-click; it is a press all the same,
// and the button's own handling of it would push and click the button.
void CDodgeButton::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void CDodgeButton::OnMouseMove(UINT, CPoint) {
  if (m_bTamed) {
    Default();
  } else {
    JumpAway();
  }
}

void CDodgeButton::OnSetFocus(CWnd* pOldWnd) {
  if (m_bTamed) {
    Default();
    return;
  }
  // Hand the focus straight back. With no previous holder (the dialog
  // manager's initial focus) the dialog itself takes it.
  CWnd* back = pOldWnd && pOldWnd->m_hWnd != m_hWnd ? pOldWnd : GetParent();
  if (back) back->SetFocus();
}

void CDodgeButton::OnKeyDown(UINT, UINT, UINT) {
  if (m_bTamed) Default();
}

void CDodgeButton::OnKeyUp(UINT, UINT, UINT) {
  if (m_bTamed) Default();
}

void CDodgeButton::OnChar(UINT, UINT, UINT) {
  if (m_bTamed) Default();
}

void CDodgeButton::JumpAway() {
  CWnd* parent = GetParent();
  if (!parent) return;
  RECT area;
  parent->GetClientRect(&area);
  parent->ClientToScreen(&area);
  RECT button;
  GetWindowRect(&button);
  const int width = button.right - button.left;
  const int height = button.bottom - button.top;

  // Left edges that keep the button inside the parent: [area.left, last).
  const int last = area.right - width;
  const int spanLeft = button.left < area.left ? area.left : button.left;
  const int spanRight = button.right > last ? last : button.right;
  const int outside = (last - area.left) - (spanRight > spanLeft ? spanRight - spanLeft : 0);
  // Too narrow to place the button anywhere outside its own span: stay put.
  if (outside <= 0) return;

  POINT target{0, button.top};
  do {
    target.x = RandomInRange(area.left, last);
  } while (target.x >= button.left && target.x < button.right);

  parent->ScreenToClient(&target);
  MoveWindow(target.x, target.y, width, height, TRUE);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  UpdateWindow();
}
