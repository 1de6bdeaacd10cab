// Milliseconds from the performance counter, for timing inside a process.
#pragma once

#include <windows.h>

inline double NowMs() {
  static LARGE_INTEGER frequency;
  if (frequency.QuadPart == 0) ::QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}
