#include "framework/CString.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {
// Longer than any text a window shows; beyond it a format is taken as failed.
constexpr size_t MAX_FORMATTED = 1 << 16;
}  // namespace

CString::CString(const char* text) { *this = text; }

CString::CString(const char* text, int length) {
  Assign(text, length > 0 ? static_cast<size_t>(length) : 0);
}

CString::CString(const CString& other) { Assign(other, other.m_nLength); }

CString::CString(CString&& other) noexcept
    : m_pData(other.m_pData), m_nLength(other.m_nLength), m_nCapacity(other.m_nCapacity) {
  other.m_pData = nullptr;
  other.m_nLength = other.m_nCapacity = 0;
}

CString::~CString() { free(m_pData); }

CString& CString::operator=(const char* text) {
  Assign(text ? text : "", text ? strlen(text) : 0);
  return *this;
}

CString& CString::operator=(const CString& other) {
  if (this != &other) Assign(other, other.m_nLength);
  return *this;
}

CString& CString::operator=(CString&& other) noexcept {
  if (this != &other) {
    free(m_pData);
    m_pData = other.m_pData;
    m_nLength = other.m_nLength;
    m_nCapacity = other.m_nCapacity;
    other.m_pData = nullptr;
    other.m_nLength = other.m_nCapacity = 0;
  }
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (!text) return *this;
  if (m_pData && text >= m_pData && text < m_pData + m_nCapacity) {
    // Appending part of ourselves: the buffer may move while growing.
    CString copy(text);
    Append(copy, copy.m_nLength);
  } else {
    Append(text, strlen(text));
  }
  return *this;
}

CString& CString::operator+=(const CString& other) {
  return *this += static_cast<const char*>(other);
}

void CString::Format(const char* format, ...) {
  // The older msvcrt has no _vscprintf, and its _vsnprintf only tells that
  // the text did not fit: so grow until it does.
  for (size_t capacity = 64; capacity <= MAX_FORMATTED && Reserve(capacity); capacity *= 2) {
    va_list args;
    va_start(args, format);
    const int written = _vsnprintf(m_pData, m_nCapacity - 1, format, args);
    va_end(args);
    if (written >= 0) {
      m_pData[written] = '\0';
      m_nLength = static_cast<size_t>(written);
      return;
    }
  }
  Empty();
}

void CString::Empty() {
  m_nLength = 0;
  if (m_pData) m_pData[0] = '\0';
}

void CString::Assign(const char* text, size_t length) {
  // The source may live inside our own buffer, so copy through memmove.
  if (!Reserve(length + 1)) return;
  memmove(m_pData, text, length);
  m_pData[length] = '\0';
  m_nLength = length;
}

void CString::Append(const char* text, size_t length) {
  if (!Reserve(m_nLength + length + 1)) return;
  memcpy(m_pData + m_nLength, text, length);
  m_nLength += length;
  m_pData[m_nLength] = '\0';
}

bool CString::Reserve(size_t capacity) {
  if (capacity <= m_nCapacity) return true;
  const size_t grown = capacity < 2 * m_nCapacity ? 2 * m_nCapacity : capacity;
  char* data = static_cast<char*>(realloc(m_pData, grown));
  if (!data) return false;  // out of memory: the text stays as it was
  m_pData = data;
  m_nCapacity = grown;
  return true;
}
