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
