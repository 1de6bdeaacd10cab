// The whole sequence, tick by tick, against a timeline written out here.
#include <string>

#include "tests/support/ExpectedScreens.h"
#include "tests/unit/TestFormatDlg.h"

namespace {

std::string WithCursor(std::string text, int tick) { return tick % 2 ? text + "_" : text; }

const std::string kPrompt = TypingText(0);
const std::string kGotcha = GotchaText();

struct Expected {
  int phase;
  int ticks;
  std::string screen;
};

// Tick n of an undisturbed run; tick 1 happens during initialisation.
Expected ExpectedAfterTick(int n) {
  if (n <= 14) return {0, n, CountdownText(15 - n)};
  if (n <= 68) return {1, n - 15, WithCursor(TypingText((n - 15) / 2), n - 15)};
  if (n <= 168) return {2, n - 69, WithCursor(ProgressText(n - 69), n - 69)};
  return {3, n - 169, kGotcha};
}

}  // namespace

TEST_F(DialogTest, FirstTickRunsHiddenDuringInitialisation) {
  EXPECT_EQ(dlg.m_nPhase, 0);
  EXPECT_EQ(dlg.m_nTicks, 1);
  EXPECT_EQ(dlg.Screen(), CountdownText(14));
  EXPECT_EQ(dlg.clicksAtTick, std::vector<int>{1});
  EXPECT_TRUE(dlg.paints.empty()) << "a hidden window must not paint";
  Show();
  ASSERT_EQ(dlg.paints.size(), 1u);
  EXPECT_EQ(dlg.paints[0].screen, CountdownText(14));
}

TEST_F(DialogTest, UndisturbedRunShowsEveryScreenInOrder) {
  Show();
  ASSERT_EQ(dlg.m_arrFiles.GetSize(), 100) << "the system directory has plenty of large files";
  for (int n = 2; n <= 172; ++n) {
    const size_t paintsBefore = dlg.paints.size();
    const int filesBefore = dlg.m_arrFiles.GetSize();
    dlg.Tick();
    const Expected want = ExpectedAfterTick(n);
    SCOPED_TRACE("tick " + std::to_string(n));
    ASSERT_EQ(dlg.m_nPhase, want.phase);
    ASSERT_EQ(dlg.m_nTicks, want.ticks);
    ASSERT_EQ(dlg.Screen(), want.screen);

    // Every tick that sets a text paints it at once; the switch to the
    // console paints the empty console first.
    const size_t painted = dlg.paints.size() - paintsBefore;
    if (n == 15) {
      ASSERT_EQ(painted, 2u);
      EXPECT_EQ(dlg.paints[paintsBefore].screen, "");
      EXPECT_EQ(dlg.paints[paintsBefore].phase, 1);
      EXPECT_EQ(dlg.paints[paintsBefore].caption, kConsoleCaption);
    } else if (n < 169) {
      ASSERT_EQ(painted, 1u);
    }
    if (painted > 0 && n < 169) {
      EXPECT_EQ(dlg.paints.back().screen, want.screen);
    }

    // One file is read per formatting tick, before the paint shows it.
    const int read = filesBefore - dlg.m_arrFiles.GetSize();
    EXPECT_EQ(read, n >= 69 && n <= 168 ? 1 : 0);
    if (read) {
      EXPECT_EQ(dlg.paints.back().filesLeft, dlg.m_arrFiles.GetSize());
    }
  }
  EXPECT_EQ(dlg.m_arrFiles.GetSize(), 0);
  EXPECT_EQ(dlg.GetWindowText(), kGotchaCaption);

  std::vector<int> countdownTicks;
  for (int t = 1; t <= 14; ++t) countdownTicks.push_back(t);
  EXPECT_EQ(dlg.clicksAtTick, countdownTicks) << "one click per countdown second, none after";
}

TEST_F(DialogTest, ProgressNeverReachesOneHundred) {
  AdvanceTo(2, 99);
  EXPECT_EQ(dlg.Screen(), ProgressText(99) + "_");
  dlg.Tick();
  EXPECT_EQ(dlg.m_nPhase, 3);
  EXPECT_EQ(dlg.Screen().find("100"), std::string::npos);
}

TEST_F(DialogTest, OtherTimerIdentifiersAreNotTicks) {
  dlg.liveTimer = true;
  for (UINT id : {0u, 1u, 99u, 101u, 0xFFFFu}) {
    dlg.SendMessage(WM_TIMER, id, 0);
    EXPECT_EQ(dlg.m_nTicks, 1) << "timer " << id;
    EXPECT_EQ(dlg.Screen(), CountdownText(14));
  }
  EXPECT_EQ(dlg.clicksAtTick.size(), 1u);
  dlg.SendMessage(WM_TIMER, IDT_SEQUENCE, 0);
  EXPECT_EQ(dlg.m_nTicks, 2) << "the control case: a real tick does count";
}

TEST_F(DialogTest, TimerRunsAtOneSecondThenFiveTimesASecond) {
  dlg.timerArrivals.clear();
  ASSERT_TRUE(PumpUntil([&] { return dlg.timerArrivals.size() >= 2; }, 5000));
  const DWORD slow = dlg.timerArrivals[1] - dlg.timerArrivals[0];
  EXPECT_GE(slow, 800u);
  EXPECT_LE(slow, 1300u);

  AdvanceTo(1, 0);
  dlg.timerArrivals.clear();
  ASSERT_TRUE(PumpUntil([&] { return dlg.timerArrivals.size() >= 4; }, 5000));
  const DWORD fast = (dlg.timerArrivals[3] - dlg.timerArrivals[0]) / 3;
  EXPECT_GE(fast, 150u);
  EXPECT_LE(fast, 300u);

  AdvanceTo(3, 0);
  dlg.timerArrivals.clear();
  EXPECT_FALSE(PumpUntil([&] { return !dlg.timerArrivals.empty(); }, 700))
      << "the timer stops at the gotcha";
}

// Skip requests end the phase at the next tick, whose screen is already the
// next phase's first one.
struct SkipCase {
  const char* name;
  int phase;
  int ticks;
  int phaseAfter;
  std::string screenAfter;
  int filesRead;
};

class SkipTest : public DialogTest, public ::testing::WithParamInterface<SkipCase> {};

TEST_P(SkipTest, TakesEffectAtTheNextTick) {
  const SkipCase& c = GetParam();
  AdvanceTo(c.phase, c.ticks);
  const size_t clicks = dlg.clicksAtTick.size();
  dlg.OnSkipPhase();
  EXPECT_EQ(dlg.m_nPhase, c.phase) << "nothing happens before the tick";
  const int files = dlg.m_arrFiles.GetSize();
  dlg.Tick();
  EXPECT_EQ(dlg.m_nPhase, c.phaseAfter);
  EXPECT_EQ(dlg.m_nTicks, 0);
  EXPECT_EQ(dlg.Screen(), c.screenAfter);
  EXPECT_FALSE(dlg.m_bSkip);
  EXPECT_EQ(files - dlg.m_arrFiles.GetSize(), c.filesRead);
  EXPECT_EQ(dlg.clicksAtTick.size(), clicks) << "no click on the tick that leaves the countdown";
}

INSTANTIATE_TEST_SUITE_P(EachPhase, SkipTest,
                         ::testing::Values(SkipCase{"CountdownStart", 0, 1, 1, kPrompt, 0},
                                           SkipCase{"CountdownLate", 0, 13, 1, kPrompt, 0},
                                           SkipCase{"TypingStart", 1, 0, 2, ProgressText(0), 1},
                                           SkipCase{"TypingMiddle", 1, 31, 2, ProgressText(0), 1},
                                           SkipCase{"FormattingStart", 2, 0, 3, kGotcha, 0},
                                           SkipCase{"FormattingEnd", 2, 98, 3, kGotcha, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, SkipAtTheGotchaStaysSetAndDoesNothing) {
  AdvanceTo(3, 0);
  dlg.OnSkipPhase();
  dlg.Tick();
  dlg.Tick();
  EXPECT_EQ(dlg.m_nPhase, 3);
  EXPECT_EQ(dlg.m_nTicks, 2) << "late ticks only count";
  EXPECT_TRUE(dlg.m_bSkip);
  EXPECT_EQ(dlg.Screen(), kGotcha);
}

struct RevealCase {
  const char* name;
  int phase;
  int ticks;
};

class RevealTest : public DialogTest, public ::testing::WithParamInterface<RevealCase> {};

TEST_P(RevealTest, GoesStraightToTheGotcha) {
  const RevealCase& c = GetParam();
  Show();
  AdvanceTo(c.phase, c.ticks);
  dlg.OnSkipPhase();
  dlg.m_strScreen = "stale";
  dlg.OnRevealNow();
  EXPECT_EQ(dlg.m_nPhase, 3);
  EXPECT_EQ(dlg.m_nTicks, c.ticks) << "the tick count is left alone";
  EXPECT_TRUE(dlg.m_bSkip) << "a pending skip is left alone";
  EXPECT_EQ(dlg.Screen(), kGotcha);
  EXPECT_EQ(dlg.GetWindowText(), kGotchaCaption);
  EXPECT_TRUE(dlg.IsWindowVisible());
}

INSTANTIATE_TEST_SUITE_P(EachPhase, RevealTest,
                         ::testing::Values(RevealCase{"Countdown", 0, 5},
                                           RevealCase{"Typing", 1, 10},
                                           RevealCase{"Formatting", 2, 50},
                                           RevealCase{"Gotcha", 3, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, RevealDuringCountdownNeverShowsTheConsole) {
  Show();
  dlg.Tick();
  dlg.OnRevealNow();
  for (const auto& paint : dlg.paints) {
    EXPECT_NE(paint.phase, 1);
    EXPECT_NE(paint.phase, 2);
    EXPECT_NE(paint.caption, kConsoleCaption);
  }
  EXPECT_EQ(dlg.m_cxConsole, 0) << "the console was never measured";
}
