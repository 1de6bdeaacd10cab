// Watches the program's dialog from a thread of its own, as a person would:
// caption, rectangles, focus, and which screen its pixels show. Consecutive
// samples that look alike are kept as one span.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Catalogue.h"
#include "Pixels.h"
#include "Screens.h"

struct Sample {
  double t = 0;  // seconds since the observer started
  HWND window = nullptr;
  bool exists = false;
  bool visible = false;
  std::string caption;
  RECT windowRect{};  // screen coordinates
  RECT clientRect{};  // screen coordinates
  HWND button = nullptr;
  bool buttonVisible = false;
  RECT buttonRect{};  // screen coordinates
  std::string buttonText;
  HWND focus = nullptr;
  Screen screen;
};

struct Span {
  Sample first;
  double lastSeen = 0;
  int samples = 0;
};

struct FrameRecord {
  Screen screen;
  SIZE size{};
  Pixels pixels;
};

class Observer {
public:
  // Draws the reference screens; watching starts with Start().
  Observer();
  ~Observer();
  Observer(const Observer&) = delete;
  Observer& operator=(const Observer&) = delete;

  // Starts watching the process's dialog; times count from here.
  void Start(DWORD processId, DWORD threadId);
  double Now() const;
  Sample Latest() const;
  std::vector<Span> Spans() const;

  // The first span that satisfies the predicate and was still seen at or
  // after `since`; waits up to the time-out for one to appear.
  bool WaitFor(const std::function<bool(const Sample&)>& predicate, double timeoutSeconds,
               double since, Span* found = nullptr) const;
  bool WaitForScreen(Kind kind, double timeoutSeconds, double since, Span* found = nullptr) const;

  // The first captured frame of each kind of screen, for pixel comparisons.
  std::map<Kind, FrameRecord> FirstFrames() const;
  int UnknownVisibleSamples() const;
  int TotalSamples() const;

private:
  void Run();
  Sample Take();

  DWORD m_processId = 0;
  DWORD m_threadId = 0;
  std::chrono::steady_clock::time_point m_start;
  Catalogue& m_catalogue;
  HWND m_window = nullptr;

  mutable std::mutex m_mutex;
  std::vector<Span> m_spans;
  std::map<Kind, FrameRecord> m_firstFrames;
  int m_unknownVisible = 0;
  int m_total = 0;

  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};
