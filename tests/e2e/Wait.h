// Waiting on conditions with a time-out, and the clock the tests measure with.
#pragma once

#include <windows.h>

#include <chrono>

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Polls the condition until it holds or the time-out passes; true when it held.
template <typename Condition>
bool WaitUntil(double timeoutSeconds, Condition condition) {
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    if (condition()) return true;
    if (SecondsSince(start) > timeoutSeconds) return condition();
    ::Sleep(2);
  }
}

// Wall-clock seconds since 1970, comparable with strace's -ttt stamps.
inline double UnixTimeNow() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER ticks;
  ticks.LowPart = now.dwLowDateTime;
  ticks.HighPart = now.dwHighDateTime;
  return static_cast<double>(ticks.QuadPart) / 1e7 - 11644473600.0;
}
