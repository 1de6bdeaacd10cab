// Growable array of CString, kept on the C heap for the same reason as CString.
#pragma once

#include "framework/CString.h"

class CStringArray {
public:
  CStringArray() = default;
  CStringArray(const CStringArray&) = delete;
  CStringArray& operator=(const CStringArray&) = delete;
  ~CStringArray();

  int GetSize() const { return m_nSize; }
  const CString& operator[](int index) const { return m_pData[index]; }

  // Sets element index, growing the array (with empty strings) to reach it.
  void SetAtGrow(int index, const char* text);
  // Removes count elements from index on; the later ones move up.
  void RemoveAt(int index, int count = 1);
  void RemoveAll();

private:
  bool Grow(int size);

  CString* m_pData = nullptr;
  int m_nSize = 0;
  int m_nCapacity = 0;
};
