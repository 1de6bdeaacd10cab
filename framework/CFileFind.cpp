#include "framework/CFileFind.h"

#include <string.h>

BOOL CFileFind::FindFile(LPCSTR pattern, DWORD /*flags*/) {
  Close();
  m_hFind = ::FindFirstFileA(pattern, &m_next);
  if (m_hFind == INVALID_HANDLE_VALUE) return FALSE;
  m_bHasNext = true;

  // Entries carry bare names; keep the pattern's directory to build full paths.
  const char* slash = strrchr(pattern, '\\');
  const char* forward = strrchr(pattern, '/');
  if (forward > slash) slash = forward;
  m_strRoot = CString(pattern, slash ? static_cast<int>(slash - pattern) + 1 : 0);
  return TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (!m_bHasNext) return FALSE;
  // Look one entry ahead so that the caller learns which entry is the last.
  m_current = m_next;
  m_bHasNext = ::FindNextFileA(m_hFind, &m_next) != FALSE;
  return m_bHasNext ? TRUE : FALSE;
}

DWORD CFileFind::GetLength() const {
  if (m_current.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
  return m_current.nFileSizeLow;
}

CString CFileFind::GetFilePath() const {
  CString path(m_strRoot);
  path += m_current.cFileName;
  return path;
}

void CFileFind::Close() {
  if (m_hFind != INVALID_HANDLE_VALUE) ::FindClose(m_hFind);
  m_hFind = INVALID_HANDLE_VALUE;
  m_bHasNext = false;
}
