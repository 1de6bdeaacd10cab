// Storms of input and many short runs: the program neither crashes nor
// closes early, and its clock and phases keep their order.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "Input.h"
#include "Session.h"
#include "Wait.h"

namespace {
// Keys a person might hit, none of them Alt or a Windows key, so no chord
// below is a hot key.
std::vector<WORD> StormKeys() {
  std::vector<WORD> keys;
  for (WORD key = 'A'; key <= 'Z'; ++key) keys.push_back(key);
  for (WORD key = '0'; key <= '9'; ++key) keys.push_back(key);
  const WORD others[] = {VK_SPACE, VK_RETURN, VK_ESCAPE, VK_TAB,  VK_BACK, VK_LEFT,
                         VK_RIGHT, VK_UP,     VK_DOWN,   VK_HOME, VK_END,  VK_DELETE,
                         VK_F1,    VK_F2,     VK_F3,     VK_F5,   VK_F6,   VK_F7,
                         VK_F8,    VK_F9,     VK_F11,    VK_F12};
  keys.insert(keys.end(), std::begin(others), std::end(others));
  return keys;
}

std::vector<int> CountdownValues(const std::vector<Span>& spans, std::vector<double>* times) {
  std::vector<int> values;
  for (const Span& span : spans) {
    if (!span.first.visible || span.first.screen.kind != Kind::Countdown) continue;
    if (!values.empty() && values.back() == span.first.screen.value) continue;
    values.push_back(span.first.screen.value);
    times->push_back(span.first.t);
  }
  return values;
}
}  // namespace

class Robustness : public RunningJoke {};

TEST_F(Robustness, InputStormDuringTheCountdown) {
  const RECT area = first.first.windowRect;
  ASSERT_TRUE(BringToFront(run.Window()));

  std::mt19937 random(4);
  std::vector<char> actions(5000, 'm');
  actions.insert(actions.end(), 2000, 'k');
  std::shuffle(actions.begin(), actions.end(), random);
  const std::vector<WORD> keys = StormKeys();
  std::uniform_int_distribution<int> x(area.left, area.right - 1), y(area.top, area.bottom - 1);
  std::uniform_int_distribution<size_t> key(0, keys.size() - 1);
  std::uniform_int_distribution<int> modifier(0, 3);

  // Spread over 11 s of the countdown, so that every second gets its share.
  const auto start = std::chrono::steady_clock::now();
  const double spread = 11.0;
  int notInFront = 0;
  for (size_t i = 0; i < actions.size(); ++i) {
    const double due = spread * static_cast<double>(i) / static_cast<double>(actions.size());
    while (SecondsSince(start) < due) ::Sleep(1);
    if (actions[i] == 'm') {
      MoveCursor(POINT{x(random), y(random)});
      continue;
    }
    const WORD pressed = keys[key(random)];
    const bool letterOrDigit =
        (pressed >= 'A' && pressed <= 'Z') || (pressed >= '0' && pressed <= '9');
    const int held = modifier(random);
    if (held == 1) {
      PressChord({VK_SHIFT, pressed});
    } else if (held == 2 && letterOrDigit) {
      PressChord({VK_CONTROL, pressed});
    } else {
      PressKey(pressed);
    }
    if (i % 200 == 0 && ::GetForegroundWindow() != run.Window()) {
      ++notInFront;
      BringToFront(run.Window());
    }
  }
  const double stormEnded = watch.Now();
  std::printf("storm: %zu actions in %.1f s\n", actions.size(), SecondsSince(start));
  EXPECT_EQ(notInFront, 0);
  ASSERT_TRUE(run.Process().Running());

  // The countdown ran on undisturbed, one value a second, into the console.
  Span console;
  ASSERT_TRUE(watch.WaitFor([](const Sample& s) { return s.visible && IsConsole(s.screen.kind); },
                            6, stormEnded, &console));
  std::vector<double> times;
  const std::vector<int> values = CountdownValues(watch.Spans(), &times);
  std::vector<int> expected;
  for (int seconds = 14; seconds >= 1; --seconds) expected.push_back(seconds);
  ASSERT_EQ(values, expected);
  std::string intervals;
  for (size_t i = 1; i < times.size(); ++i)
    intervals += " " + std::to_string(times[i] - times[i - 1]).substr(0, 5);
  std::printf("countdown intervals during the storm:%s\n", intervals.c_str());
  // Each value is due a whole second after the first. The watcher shares the
  // machine with the storm and may see a value late, never the program early.
  for (size_t i = 1; i < times.size(); ++i) {
    EXPECT_NEAR(times[i] - times[0], static_cast<double>(i), 0.5) << values[i];
  }
  EXPECT_NEAR(console.first.t - first.first.t, 14.0, 0.3);
  for (const Span& span : watch.Spans()) {
    if (span.first.t < first.first.t) continue;
    EXPECT_TRUE(span.first.exists) << "window gone at " << span.first.t;
  }

  const double revealed = run.Reveal();
  ASSERT_TRUE(watch.WaitFor(
      [](const Sample& s) {
        return s.visible && s.screen.kind == Kind::Gotcha && s.focus == s.button;
      },
      3, revealed));
  run.TryToClose(CloseWay::Enter);
  EXPECT_TRUE(run.Process().WaitForExit(5));
  EXPECT_FALSE(IsCrashCode(run.Process().ExitCode()));
}

TEST_F(Robustness, HotKeyStormOnlyMovesForwardAndEndsAtTheGotcha) {
  ASSERT_TRUE(BringToFront(run.Window()));

  std::vector<WORD> letters(50, 'N');
  letters.insert(letters.end(), 20, 'X');
  std::mt19937 random(7);
  std::shuffle(letters.begin(), letters.end(), random);
  const double started = watch.Now();
  for (WORD letter : letters) PressChord({VK_CONTROL, VK_MENU, VK_SHIFT, letter});

  Span gotcha;
  ASSERT_TRUE(watch.WaitFor(
      [](const Sample& s) {
        return s.visible && s.screen.kind == Kind::Gotcha && s.focus == s.button;
      },
      5, started, &gotcha));
  int phase = 0;
  std::string walk;
  for (const Span& span : watch.Spans()) {
    const int seen = PhaseOf(span.first.screen.kind);
    if (seen < 0) continue;
    EXPECT_GE(seen, phase) << "went back to " << Describe(span.first.screen) << " at "
                           << span.first.t;
    if (seen != phase) walk += " -> " + std::to_string(seen);
    phase = std::max(phase, seen);
  }
  std::printf("phases: 0%s\n", walk.c_str());
  EXPECT_EQ(phase, 3);
  run.TryToClose(CloseWay::Enter);
  EXPECT_TRUE(run.Process().WaitForExit(5));
  EXPECT_FALSE(IsCrashCode(run.Process().ExitCode()));
}

TEST(SkippedRuns, TwentyInARow) {
  constexpr int kRuns = 20;
  int failures = 0;
  for (int i = 0; i < kRuns; ++i) {
    const std::string failure = SkippedRun();
    if (!failure.empty()) {
      ++failures;
      ADD_FAILURE() << "run " << i + 1 << ": " << failure;
    }
  }
  std::printf("skipped runs: %d, failures: %d\n", kRuns, failures);
  EXPECT_EQ(failures, 0);
}
