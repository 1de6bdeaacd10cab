#include "framework/CWnd.h"

#include "framework/CWinApp.h"

namespace {
// Which object stands behind which window. It is kept here, not in the window,
// where other code in the process (hooks, window utilities) may write. An
// object that lets go while another procedure stands in front of ours leaves
// its entry without an object until the window is destroyed: that procedure
// still calls ours, which passes the messages on.
struct Attachment {
  HWND hWnd;
  CWnd* pWnd;
  WNDPROC pfnSuper;  // the procedure ours replaced
};
constexpr int MAX_ATTACHED_WINDOWS = 8;
Attachment g_attachments[MAX_ATTACHED_WINDOWS];

template <class Match>
Attachment* Lookup(Match match) {
  for (Attachment& entry : g_attachments) {
    if (match(entry)) return &entry;
  }
  return nullptr;
}

// The entry of a window, never a free one.
Attachment* FindAttachment(HWND hWnd) {
  return hWnd ? Lookup([hWnd](const Attachment& entry) { return entry.hWnd == hWnd; }) : nullptr;
}

// An object's entry, found by the object: its m_hWnd is public, anyone may change it.
Attachment* EntryOf(const CWnd* pWnd) {
  return Lookup([pWnd](const Attachment& entry) { return entry.pWnd == pWnd; });
}

// The window is gone: nothing may reach its handle, which a new window may get.
void Release(Attachment& entry) {
  if (entry.pWnd) entry.pWnd->m_hWnd = nullptr;
  entry = {};
}

// A free entry. A window can be gone without our WM_NCDESTROY, when another
// procedure put back the one it replaced at WM_DESTROY and so took ours out.
Attachment* FreeEntry() {
  Attachment* entry = Lookup([](const Attachment& e) { return !e.hWnd || !::IsWindow(e.hWnd); });
  if (entry) Release(*entry);
  return entry;
}
}  // namespace

const CWnd CWnd::wndTopMost(HWND_TOPMOST);

CWnd::~CWnd() { UnsubclassWindow(); }

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  const Attachment* entry = FindAttachment(hWnd);
  return entry ? entry->pWnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
  // A few rotating wrappers, so that two temporaries of one message stay apart.
  static CWnd temporaries[4];
  static unsigned next;
  CWnd* wnd = &temporaries[next++ % 4];
  wnd->m_hWnd = hWnd;
  return wnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!hWnd || m_hWnd || FindAttachment(hWnd)) return FALSE;
  Attachment* entry = FreeEntry();
  if (!entry) return FALSE;
  const LONG_PTR ours = reinterpret_cast<LONG_PTR>(&AfxWndProc);
  const auto super = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, ours));
  if (!super) return FALSE;  // not ours to change, such as another process's window
  *entry = {hWnd, this, super};
  m_hWnd = hWnd;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  return pParent ? SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID))) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  HWND hWnd = m_hWnd;
  m_hWnd = nullptr;
  Attachment* entry = EntryOf(this);
  if (!entry) return hWnd;
  hWnd = entry->hWnd;
  // Only a procedure on top can leave without cutting the chain of those in
  // front of it; otherwise ours stays and passes everything on.
  if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &AfxWndProc) {
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry->pfnSuper));
    *entry = {};
  } else {
    entry->pWnd = nullptr;
  }
  return hWnd;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const Attachment* entry = FindAttachment(hWnd);
  if (!entry) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  const LRESULT result = entry->pWnd
                             ? entry->pWnd->WindowProc(message, wParam, lParam)
                             : ::CallWindowProcA(entry->pfnSuper, hWnd, message, wParam, lParam);
  // The window is gone: let go of it, so that nothing reaches a dead handle
  // and a new window that gets the same handle starts afresh.
  if (message == WM_NCDESTROY) {
    if (Attachment* gone = FindAttachment(hWnd)) Release(*gone);
  }
  return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage outer = m_current;
  m_current = {message, wParam, lParam};
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = Default();
  m_current = outer;
  return result;
}

LRESULT CWnd::Default() {
  const Attachment* entry = EntryOf(this);
  if (!entry)
    return ::DefWindowProcA(m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
  return ::CallWindowProcA(entry->pfnSuper, entry->hWnd, m_current.message, m_current.wParam,
                           m_current.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    // Menu and accelerator commands (no control) and button clicks count as
    // commands; other control notifications do not.
    const bool isCommand = lParam == 0 || HIWORD(wParam) == BN_CLICKED;
    if (!isCommand || !OnCmdMsg(LOWORD(wParam))) return FALSE;
    *pResult = 0;
    return TRUE;
  }
  const MessageMapEntry* entry = FindEntry(message, 0);
  if (!entry) return FALSE;
  *pResult = entry->pfnHandler(*this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::OnCmdMsg(UINT nID) {
  if (CCmdTarget::OnCmdMsg(nID)) return TRUE;
  // Commands the window does not handle go on to the application.
  CWinApp* app = AfxGetApp();
  return app ? app->OnCmdMsg(nID) : FALSE;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  RECT area;
  if (pAlternateOwner) {
    pAlternateOwner->GetWindowRect(&area);
  } else {
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  RECT window;
  GetWindowRect(&window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  int left = (area.left + area.right) / 2 - width / 2;
  int top = (area.top + area.bottom) / 2 - height / 2;
  // Keep the window inside the area where it fits.
  if (left + width > area.right) left = area.right - width;
  if (left < area.left) left = area.left;
  if (top + height > area.bottom) top = area.bottom - height;
  if (top < area.top) top = area.top;
  ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType) const {
  DWORD exStyle = GetExStyle();
  if (nAdjustType == adjustBorder) exStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
  ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, exStyle);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}
