// Table entries for the messages this program handles. Each entry stores an
// adapter that unpacks WPARAM/LPARAM into the handler's typed arguments.
#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CWnd.h"

namespace afx {

// The class that declares a member function, so a table may name a handler
// inherited from a base class.
template <class Member>
struct OwnerOf;
template <class Class, class Result, class... Args>
struct OwnerOf<Result (Class::*)(Args...)> {
  using Type = Class;
};

template <auto Handler>
auto& Target(CCmdTarget& target) {
  return static_cast<typename OwnerOf<decltype(Handler)>::Type&>(target);
}

template <auto Handler>
LRESULT OnVoid(CCmdTarget& target, WPARAM, LPARAM) {
  (Target<Handler>(target).*Handler)();
  return 0;
}

template <auto Handler>
LRESULT OnTimer(CCmdTarget& target, WPARAM wParam, LPARAM) {
  (Target<Handler>(target).*Handler)(static_cast<UINT>(wParam));
  return 0;
}

template <auto Handler>
LRESULT OnQueryDragIcon(CCmdTarget& target, WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>((Target<Handler>(target).*Handler)());
}

template <auto Handler>
LRESULT OnMouse(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
  const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  (Target<Handler>(target).*Handler)(static_cast<UINT>(wParam), point);
  return 0;
}

template <auto Handler>
LRESULT OnFocus(CCmdTarget& target, WPARAM wParam, LPARAM) {
  (Target<Handler>(target).*Handler)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
  return 0;
}

template <auto Handler>
LRESULT OnKey(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
  (Target<Handler>(target).*Handler)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
  return 0;
}

}  // namespace afx

#define ON_WM_PAINT() {WM_PAINT, 0, &afx::OnVoid<&ThisClass::OnPaint>},
#define ON_WM_TIMER() {WM_TIMER, 0, &afx::OnTimer<&ThisClass::OnTimer>},
#define ON_WM_QUERYDRAGICON() \
  {WM_QUERYDRAGICON, 0, &afx::OnQueryDragIcon<&ThisClass::OnQueryDragIcon>},
#define ON_WM_LBUTTONDOWN() {WM_LBUTTONDOWN, 0, &afx::OnMouse<&ThisClass::OnLButtonDown>},
#define ON_WM_LBUTTONDBLCLK() {WM_LBUTTONDBLCLK, 0, &afx::OnMouse<&ThisClass::OnLButtonDblClk>},
#define ON_WM_MOUSEMOVE() {WM_MOUSEMOVE, 0, &afx::OnMouse<&ThisClass::OnMouseMove>},
#define ON_WM_SETFOCUS() {WM_SETFOCUS, 0, &afx::OnFocus<&ThisClass::OnSetFocus>},
#define ON_WM_KEYDOWN() {WM_KEYDOWN, 0, &afx::OnKey<&ThisClass::OnKeyDown>},
#define ON_WM_KEYUP() {WM_KEYUP, 0, &afx::OnKey<&ThisClass::OnKeyUp>},
#define ON_WM_CHAR() {WM_CHAR, 0, &afx::OnKey<&ThisClass::OnChar>},
#define ON_COMMAND(id, handler) {WM_COMMAND, (id), &afx::OnVoid<&ThisClass::handler>},
