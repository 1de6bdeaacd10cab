#include "framework/CStringArray.h"

#include <stdlib.h>
#include <string.h>
#include <new>

CStringArray::~CStringArray() {
  RemoveAll();
  free(m_pData);
}

void CStringArray::SetAtGrow(int index, const char* text) {
  if (index < 0) return;
  if (index >= m_nSize) {
    if (!Grow(index + 1)) return;
    for (int i = m_nSize; i <= index; ++i) new (&m_pData[i]) CString();
    m_nSize = index + 1;
  }
  m_pData[index] = text;
}

void CStringArray::RemoveAt(int index, int count) {
  if (index < 0 || count <= 0 || index + count > m_nSize) return;
  for (int i = index; i < index + count; ++i) m_pData[i].~CString();
  // CString holds no pointers into itself, so its bytes can simply move up.
  memmove(static_cast<void*>(&m_pData[index]), &m_pData[index + count],
          sizeof(CString) * static_cast<size_t>(m_nSize - index - count));
  m_nSize -= count;
}

void CStringArray::RemoveAll() {
  for (int i = 0; i < m_nSize; ++i) m_pData[i].~CString();
  m_nSize = 0;
}

bool CStringArray::Grow(int size) {
  if (size <= m_nCapacity) return true;
  const int grown = size < 2 * m_nCapacity ? 2 * m_nCapacity : (size < 16 ? 16 : size);
  void* data = realloc(static_cast<void*>(m_pData), sizeof(CString) * static_cast<size_t>(grown));
  if (!data) return false;
  m_pData = static_cast<CString*>(data);
  m_nCapacity = grown;
  return true;
}
