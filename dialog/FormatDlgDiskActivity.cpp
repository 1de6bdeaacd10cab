// The real disk activity behind the progress line: read, never write, the
// first bytes of the large files in the system directory.
#include <stdio.h>

#include "dialog/FormatDlg.h"
#include "framework/CFileFind.h"

namespace {
constexpr int MAX_FILES = 100;
constexpr DWORD MIN_FILE_SIZE = 50000;
constexpr size_t READ_SIZE = 50000;

// Where every read lands; nothing ever looks at it.
unsigned char g_readBuffer[READ_SIZE];
}  // namespace

void CFormatDlg::CollectSystemFiles() {
  char directory[MAX_PATH];
  // A path that does not fit leaves the buffer undefined: then read nothing.
  const UINT length = ::GetSystemDirectoryA(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  CollectFilesIn(directory);
}

void CFormatDlg::CollectFilesIn(LPCSTR lpszDirectory) {
  CString pattern(lpszDirectory);
  pattern += "\\*";
  CFileFind finder;
  if (!finder.FindFile(pattern, 0)) return;

  BOOL more = TRUE;
  while (more) {
    more = finder.FindNextFile();
    if (finder.GetLength() < MIN_FILE_SIZE) continue;
    if (m_arrFiles.GetSize() >= MAX_FILES) break;
    m_arrFiles.SetAtGrow(m_arrFiles.GetSize(), finder.GetFilePath());
  }
}

void CFormatDlg::ReadNextFile() {
  if (m_arrFiles.GetSize() == 0) return;
  // The path is used up whether or not the file opens.
  const CString path(m_arrFiles[0]);
  m_arrFiles.RemoveAt(0, 1);

  FILE* file = fopen(path, "rb");
  if (!file) return;
  fread(g_readBuffer, 1, READ_SIZE, file);
  fclose(file);
}
