// Device contexts. CDC borrows a handle; the derived classes own theirs and
// give it back (end painting, release or delete) when they go out of scope.
#pragma once

#include "framework/Afx.h"

class CWnd;

class CDC {
public:
  explicit CDC(HDC hDC = nullptr) : m_hDC(hDC) {}
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC;
  operator HDC() const { return m_hDC; }

  HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
  COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
  COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
  int FillRect(const RECT* lpRect, HBRUSH hBrush) { return ::FillRect(m_hDC, lpRect, hBrush); }
  int DrawText(LPCSTR lpszText, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextA(m_hDC, lpszText, nCount, lpRect, nFormat);
  }
  SIZE GetTextExtent(LPCSTR lpszText, int nCount) const;
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  // A one-pixel frame: top and left in one colour, bottom and right in another.
  void Draw3dRect(const RECT* lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, const CDC& source, int xSrc, int ySrc,
              DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, source.m_hDC, xSrc, ySrc, dwRop);
  }
  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
};

// Selects an object for the lifetime of the scope, then puts the previous back.
class CSelectObject {
public:
  CSelectObject(CDC& dc, HGDIOBJ hObject) : m_dc(dc), m_hPrevious(dc.SelectObject(hObject)) {}
  ~CSelectObject() { m_dc.SelectObject(m_hPrevious); }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

private:
  CDC& m_dc;
  HGDIOBJ m_hPrevious;
};

class CPaintDC : public CDC {
public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC();
  PAINTSTRUCT m_ps;

private:
  HWND m_hWnd;
};

// The client-area device context of a window (GetDC / ReleaseDC).
class CClientDC : public CDC {
public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC();

private:
  HWND m_hWnd;
};

// A memory device context compatible with another one (CreateCompatibleDC / DeleteDC).
class CMemoryDC : public CDC {
public:
  explicit CMemoryDC(const CDC& compatible) : CDC(::CreateCompatibleDC(compatible.m_hDC)) {}
  ~CMemoryDC() {
    if (m_hDC) ::DeleteDC(m_hDC);
  }
};
