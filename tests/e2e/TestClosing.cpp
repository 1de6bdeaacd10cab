// Closing rules: before the gotcha no way of closing works; at the gotcha
// each way ends the process. One run per way.
#include <gtest/gtest.h>

#include "Session.h"

namespace {
// Everything between two moments was the visible, living window.
bool StayedVisible(const Observer& watch, double from, double to) {
  for (const Span& span : watch.Spans()) {
    if (span.lastSeen < from || span.first.t > to) continue;
    if (!span.first.exists || !span.first.visible) return false;
  }
  return true;
}
}  // namespace

class Closing : public RunningJoke, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(Closing, DoesNothingBeforeTheGotchaAndEndsTheProcessAtIt) {
  const CloseWay way = GetParam();

  // Countdown: the countdown goes on to its next value.
  ASSERT_TRUE(watch.WaitFor([](const Sample& s) { return s.screen.kind == Kind::Countdown; }, 2,
                            watch.Now()));
  const int shown = watch.Latest().screen.value;
  double tried = run.TryToClose(way);
  Span next;
  ASSERT_TRUE(watch.WaitFor(
      [shown](const Sample& s) {
        return s.screen.kind == Kind::Countdown && s.screen.value == shown - 1;
      },
      3, tried, &next))
      << "countdown stopped after " << NameOf(way);
  EXPECT_TRUE(StayedVisible(watch, tried, next.first.t));
  EXPECT_TRUE(run.Process().Running());

  // Console: typing goes on.
  const double skipped = run.Skip();
  Span typing;
  ASSERT_TRUE(watch.WaitForScreen(Kind::Typing, 3, skipped, &typing));
  tried = run.TryToClose(way);
  ASSERT_TRUE(watch.WaitFor(
      [&](const Sample& s) { return s.screen.kind == Kind::Typing && s.t > tried + 0.25; }, 3,
      tried, &next))
      << "typing stopped after " << NameOf(way);
  EXPECT_TRUE(StayedVisible(watch, tried, next.first.t));
  EXPECT_EQ(next.first.caption, kConsoleCaption);
  EXPECT_TRUE(run.Process().Running());

  // Gotcha: the same way ends the process.
  const double revealed = run.Reveal();
  ASSERT_TRUE(watch.WaitFor(
      [](const Sample& s) {
        return s.visible && s.screen.kind == Kind::Gotcha && s.focus == s.button;
      },
      3, revealed));
  run.TryToClose(way);
  EXPECT_TRUE(run.Process().WaitForExit(5))
      << NameOf(way) << " did not end the process at the gotcha";
  EXPECT_FALSE(IsCrashCode(run.Process().ExitCode()));
}

INSTANTIATE_TEST_SUITE_P(EachWay, Closing,
                         ::testing::Values(CloseWay::Enter, CloseWay::Escape, CloseWay::AltF4,
                                           CloseWay::CloseCommand, CloseWay::WhewClick),
                         [](const ::testing::TestParamInfo<CloseWay>& info) {
                           return NameOf(info.param);
                         });
