// 8-bit counted text on the C heap. Deliberately not std::string: the
// standard string pulls the C++ runtime's throw machinery into the program.
#pragma once

#include <stddef.h>

class CString {
public:
  CString() = default;
  CString(const char* text);
  CString(const char* text, int length);
  CString(const CString& other);
  CString(CString&& other) noexcept;
  ~CString();

  CString& operator=(const char* text);
  CString& operator=(const CString& other);
  CString& operator=(CString&& other) noexcept;
  CString& operator+=(const char* text);
  CString& operator+=(const CString& other);

  // printf-style formatting with the C library's rules; replaces the text.
  void Format(const char* format, ...);
  void Empty();

  int GetLength() const { return static_cast<int>(m_nLength); }
  operator const char*() const { return m_pData ? m_pData : ""; }

private:
  void Assign(const char* text, size_t length);
  void Append(const char* text, size_t length);
  bool Reserve(size_t capacity);

  char* m_pData = nullptr;
  size_t m_nLength = 0;
  size_t m_nCapacity = 0;
};
