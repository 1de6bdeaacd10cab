#include "framework/CStringArray.h"

#include <stdlib.h>
#include <new>
#include <utility>

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
  for (int i = index; i + count < m_nSize; ++i) m_pData[i] = std::move(m_pData[i + count]);
  for (int i = m_nSize - count; i < m_nSize; ++i) m_pData[i].~CString();
  m_nSize -= count;
}

void CStringArray::RemoveAll() {
  for (int i = 0; i < m_nSize; ++i) m_pData[i].~CString();
  m_nSize = 0;
}

bool CStringArray::Grow(int size) {
  if (size <= m_nCapacity) return true;
  const int grown = size < 2 * m_nCapacity ? 2 * m_nCapacity : (size < 16 ? 16 : size);
  CString* data = static_cast<CString*>(malloc(sizeof(CString) * static_cast<size_t>(grown)));
  if (!data) return false;
  // Each element moves as C++ moves objects: constructed anew in place, the old one destroyed.
  for (int i = 0; i < m_nSize; ++i) {
    new (&data[i]) CString(std::move(m_pData[i]));
    m_pData[i].~CString();
  }
  free(m_pData);
  m_pData = data;
  m_nCapacity = grown;
  return true;
}
