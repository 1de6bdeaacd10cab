// One run of velmora.exe with an observer watching it, and the user's ways
// of acting on it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Observer.h"

enum class CloseWay { Enter, Escape, AltF4, CloseCommand, WhewClick };
const char* NameOf(CloseWay way);

class Session {
public:
  explicit Session(const std::vector<std::string>& extraEnvironment = {});
  bool Started() const { return m_process.Started(); }
  ChildProcess& Process() { return m_process; }
  Observer& Watch() { return *m_observer; }

  // Waits until the first countdown screen shows; its span, or false.
  bool WaitForFirstScreen(Span* found = nullptr, double timeoutSeconds = 20);
  HWND Window() const { return m_window; }

  // Ctrl+Alt+Shift and the letter, pressed as real keys into the window.
  // Returns the observer's time just before the press.
  double PressHotKey(WORD letter);
  double Skip() { return PressHotKey('N'); }
  double Reveal() { return PressHotKey('X'); }

  // A user's attempt to close the window; returns the time just before it.
  double TryToClose(CloseWay way);

private:
  std::unique_ptr<Observer> m_observer;  // ready before the program starts
  ChildProcess m_process;
  HWND m_window = nullptr;
};

// Skips every phase and closes at the gotcha; empty on success, otherwise
// what went wrong.
std::string SkippedRun();

// A test that starts the program and waits for its first countdown screen.
class RunningJoke : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.WaitForFirstScreen(&first));
  }

  Session run;
  Observer& watch = run.Watch();
  Span first;
};
