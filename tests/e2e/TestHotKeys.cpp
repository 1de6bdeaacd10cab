// The two hot keys pressed as real keys: Ctrl+Alt+Shift+N ends a phase at
// its next tick, Ctrl+Alt+Shift+X goes to the gotcha at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Input.h"
#include "Session.h"

namespace {
bool EverShowedTheConsole(const Observer& watch) {
  for (const Span& span : watch.Spans()) {
    if (IsConsole(span.first.screen.kind) || span.first.caption == kConsoleCaption) return true;
  }
  return false;
}

bool GotchaWithFocus(const Sample& s) {
  return s.visible && s.screen.kind == Kind::Gotcha && s.focus == s.button;
}
}  // namespace

class HotKeys : public RunningJoke {};

TEST_F(HotKeys, SkipEndsEachPhaseAtItsNextTick) {
  // Countdown ticks come each second; the skip shows the bare prompt.
  double pressed = run.Skip();
  Span console;
  ASSERT_TRUE(watch.WaitFor([](const Sample& s) { return s.visible && IsConsole(s.screen.kind); },
                            2, pressed, &console));
  EXPECT_LT(console.first.t - pressed, 1.2);
  Span typing;
  ASSERT_TRUE(watch.WaitForScreen(Kind::Typing, 1, pressed, &typing));
  EXPECT_EQ(typing.first.screen, (Screen{Kind::Typing, 0, false})) << Describe(typing.first.screen);

  // Typing ticks come every 200 ms; the skip shows 0 percent.
  pressed = run.Skip();
  Span progress;
  ASSERT_TRUE(watch.WaitForScreen(Kind::Progress, 1, pressed, &progress));
  EXPECT_LT(progress.first.t - pressed, 0.45);
  EXPECT_EQ(progress.first.screen, (Screen{Kind::Progress, 0, false}))
      << Describe(progress.first.screen);

  pressed = run.Skip();
  Span gotcha;
  ASSERT_TRUE(watch.WaitForScreen(Kind::Gotcha, 1, pressed, &gotcha));
  EXPECT_LT(gotcha.first.t - pressed, 0.45);
  EXPECT_TRUE(::EqualRect(&first.first.windowRect, &gotcha.first.windowRect));

  // At the gotcha a skip stays without effect and a reveal shows it again.
  ASSERT_TRUE(watch.WaitFor(GotchaWithFocus, 2, gotcha.first.t));
  run.Skip();
  pressed = run.Reveal();
  Span again;
  ASSERT_TRUE(watch.WaitFor(GotchaWithFocus, 2, pressed, &again));
  EXPECT_EQ(again.first.caption, kGotchaCaption);
  EXPECT_TRUE(::EqualRect(&first.first.windowRect, &again.first.windowRect));
  EXPECT_TRUE(run.Process().Running());
  run.TryToClose(CloseWay::Enter);
  EXPECT_TRUE(run.Process().WaitForExit(5));
}

TEST_F(HotKeys, RevealFromTheCountdownNeverShowsTheConsole) {
  const double pressed = run.Reveal();
  Span gotcha;
  ASSERT_TRUE(watch.WaitForScreen(Kind::Gotcha, 1, pressed, &gotcha));
  EXPECT_LT(gotcha.first.t - pressed, 0.3);
  EXPECT_EQ(gotcha.first.caption, kGotchaCaption);
  EXPECT_TRUE(::EqualRect(&first.first.windowRect, &gotcha.first.windowRect));
  ASSERT_TRUE(watch.WaitFor(GotchaWithFocus, 2, gotcha.first.t));
  EXPECT_FALSE(EverShowedTheConsole(watch));
  run.TryToClose(CloseWay::Enter);
  EXPECT_TRUE(run.Process().WaitForExit(5));
}

TEST_F(HotKeys, RevealFromTheConsole) {
  double pressed = run.Skip();
  ASSERT_TRUE(watch.WaitForScreen(Kind::Typing, 2, pressed));
  pressed = run.Reveal();
  Span gotcha;
  ASSERT_TRUE(watch.WaitForScreen(Kind::Gotcha, 1, pressed, &gotcha));
  EXPECT_LT(gotcha.first.t - pressed, 0.3);
  ASSERT_TRUE(watch.WaitFor(GotchaWithFocus, 2, gotcha.first.t));
  run.TryToClose(CloseWay::Enter);
  EXPECT_TRUE(run.Process().WaitForExit(5));
}

TEST_F(HotKeys, FewerModifiersDoNothing) {
  ASSERT_TRUE(BringToFront(run.Window()));

  const std::vector<std::vector<WORD>> modifierSets = {{},
                                                       {VK_CONTROL},
                                                       {VK_MENU},
                                                       {VK_SHIFT},
                                                       {VK_CONTROL, VK_MENU},
                                                       {VK_CONTROL, VK_SHIFT},
                                                       {VK_MENU, VK_SHIFT}};
  const double pressed = watch.Now();
  const int shown = watch.Latest().screen.value;
  for (WORD letter : {WORD('N'), WORD('X')}) {
    for (const auto& modifiers : modifierSets) {
      std::vector<WORD> chord = modifiers;
      chord.push_back(letter);
      PressChord(chord);
    }
  }
  // A skip would act at the next tick and a reveal at once: two more
  // countdown ticks in the dialog look show that neither happened.
  ASSERT_GT(shown, 3);
  Span later;
  ASSERT_TRUE(watch.WaitFor(
      [shown](const Sample& s) {
        return s.screen.kind == Kind::Countdown && s.screen.value == shown - 2;
      },
      3.5, pressed, &later))
      << "showing " << Describe(watch.Latest().screen);
  for (const Span& span : watch.Spans()) {
    if (span.first.t < pressed) continue;
    EXPECT_NE(span.first.screen.kind, Kind::Gotcha);
    EXPECT_FALSE(IsConsole(span.first.screen.kind));
  }
  EXPECT_TRUE(run.Process().Running());
}
