// Directory listing over FindFirstFile/FindNextFile. FindNextFile returns FALSE
// when the entry it makes current is the last one; that entry is still valid.
#pragma once

#include "framework/Afx.h"
#include "framework/CString.h"

class CFileFind {
public:
  CFileFind() = default;
  CFileFind(const CFileFind&) = delete;
  CFileFind& operator=(const CFileFind&) = delete;
  ~CFileFind() { Close(); }

  BOOL FindFile(LPCSTR pattern, DWORD flags = 0);
  BOOL FindNextFile();
  // Size of the current entry; directories report 0.
  DWORD GetLength() const;
  CString GetFilePath() const;
  void Close();

private:
  HANDLE m_hFind = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA m_current{};
  WIN32_FIND_DATAA m_next{};
  bool m_bHasNext = false;
  CString m_strRoot;  // the pattern's directory, with its trailing backslash
};
