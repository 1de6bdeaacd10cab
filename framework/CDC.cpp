#include "framework/CDC.h"

#include "framework/CWnd.h"

SIZE CDC::GetTextExtent(LPCSTR lpszText, int nCount) const {
  SIZE size{0, 0};
  ::GetTextExtentPoint32A(m_hDC, lpszText, nCount, &size);
  return size;
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  ::SetBkColor(m_hDC, color);
  const RECT rect{x, y, x + cx, y + cy};
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void CDC::Draw3dRect(const RECT* lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  const int x = lpRect->left;
  const int y = lpRect->top;
  const int cx = lpRect->right - lpRect->left;
  const int cy = lpRect->bottom - lpRect->top;
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
  FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

CClientDC::CClientDC(CWnd* pWnd) : CDC(::GetDC(pWnd->m_hWnd)), m_hWnd(pWnd->m_hWnd) {}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, m_hDC); }
