// GDI objects in two kinds: owned ones are deleted with their wrapper,
// borrowed ones (stock fonts and brushes) never are.
#pragma once

#include "framework/Afx.h"

template <class Handle, bool Owned>
class CGdiObjectT {
public:
  CGdiObjectT() = default;
  explicit CGdiObjectT(Handle handle) : m_hObject(handle) {}
  ~CGdiObjectT() {
    if constexpr (Owned) DeleteObject();
  }
  // Owned objects have one owner; borrowed ones copy freely.
  CGdiObjectT(const CGdiObjectT& other) : m_hObject(other.m_hObject) {
    static_assert(!Owned, "an owned GDI object cannot be copied");
  }
  CGdiObjectT& operator=(const CGdiObjectT& other) {
    static_assert(!Owned, "an owned GDI object cannot be copied");
    m_hObject = other.m_hObject;
    return *this;
  }

  BOOL Attach(HGDIOBJ hObject) {
    if (m_hObject || !hObject) return FALSE;
    m_hObject = static_cast<Handle>(hObject);
    return TRUE;
  }
  Handle Detach() {
    Handle handle = m_hObject;
    m_hObject = nullptr;
    return handle;
  }
  BOOL DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
  }

  operator Handle() const { return m_hObject; }

protected:
  Handle m_hObject = nullptr;
};

using CBitmap = CGdiObjectT<HBITMAP, true>;
// A stock font taken with GetStockObject: borrowed, never deleted.
using CStockFont = CGdiObjectT<HFONT, false>;

class CBrush : public CGdiObjectT<HBRUSH, true> {
public:
  explicit CBrush(COLORREF color) : CGdiObjectT(::CreateSolidBrush(color)) {}
};
