// A push button that cannot be pressed until it is tamed: it jumps along its
// row away from the mouse, refuses the focus and ignores keys.
#pragma once

#include "framework/CButton.h"

// low + rand() % (high - low): from low up to, not including, high.
int RandomInRange(int low, int high);

class CDodgeButton : public CButton {
public:
  BOOL m_bTamed = FALSE;

  void JumpAway();

protected:
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnSetFocus(CWnd* pOldWnd);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

  DECLARE_MESSAGE_MAP()
};
