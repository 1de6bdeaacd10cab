// One undisturbed run from start to the gotcha, watched throughout; the
// tests below each judge one aspect of what was seen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "DriveSnapshot.h"
#include "Options.h"
#include "Session.h"
#include "SoundCapture.h"

namespace {
struct FullRunRecord {
  bool started = false;
  bool sawFirstScreen = false;
  bool reachedGotcha = false;
  bool closed = false;
  DWORD exitCode = 0;
  std::vector<Span> spans;
  std::map<Kind, FrameRecord> frames;
  int unknownVisibleSamples = 0;
  int totalSamples = 0;
  int clicksAtConsole = -1;
  int clicksAtEnd = -1;
  bool soundObservable = false;
  Sample atGotcha;
  DriveSnapshot before;
  DriveSnapshot after;
};

// The first moment a span satisfying the predicate was seen, or -1.
template <typename Predicate>
double FirstSeen(const std::vector<Span>& spans, Predicate predicate) {
  for (const Span& span : spans) {
    if (span.first.visible && predicate(span.first.screen)) return span.first.t;
  }
  return -1;
}

const Span* FirstSpan(const std::vector<Span>& spans, Kind kind) {
  for (const Span& span : spans) {
    if (span.first.visible && span.first.screen.kind == kind) return &span;
  }
  return nullptr;
}
}  // namespace

class FullRun : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    record = std::make_unique<FullRunRecord>();
    FullRunRecord& r = *record;
    r.before = TakeSnapshot(Options().drive);
    SoundCapture sound(Options().soundDir);
    r.soundObservable = sound.Available();
    {
      Session run;
      r.started = run.Started();
      if (!r.started) return;
      r.sawFirstScreen = run.WaitForFirstScreen();
      Observer& watch = run.Watch();
      if (watch.WaitFor([](const Sample& s) { return s.visible && IsConsole(s.screen.kind); }, 25,
                        0)) {
        r.clicksAtConsole = sound.Available() ? sound.Clicks() : -1;
      }
      Span gotcha;
      r.reachedGotcha = watch.WaitForScreen(Kind::Gotcha, 45, 0, &gotcha);
      if (r.reachedGotcha) {
        // Let the focus settle on the button before reading it.
        watch.WaitFor(
            [](const Sample& s) { return s.screen.kind == Kind::Gotcha && s.focus == s.button; }, 2,
            gotcha.first.t);
        r.atGotcha = watch.Latest();
        run.TryToClose(CloseWay::Enter);
        r.closed = run.Process().WaitForExit(5);
        r.exitCode = run.Process().ExitCode();
      }
      r.spans = watch.Spans();
      r.frames = watch.FirstFrames();
      r.unknownVisibleSamples = watch.UnknownVisibleSamples();
      r.totalSamples = watch.TotalSamples();
    }
    r.clicksAtEnd = sound.Available() ? sound.Clicks() : -1;
    r.after = TakeSnapshot(Options().drive);
  }
  static void TearDownTestSuite() { record.reset(); }

  void SetUp() override {
    ASSERT_TRUE(record->started) << "velmora.exe did not start: " << Options().program;
    ASSERT_TRUE(record->sawFirstScreen) << "the countdown never showed";
  }

  static std::unique_ptr<FullRunRecord> record;
};

std::unique_ptr<FullRunRecord> FullRun::record;

TEST_F(FullRun, ScreensAppearOnTheTimeline) {
  const auto& spans = record->spans;
  const double firstPaint =
      FirstSeen(spans, [](const Screen& s) { return s.kind == Kind::Countdown && s.value == 14; });
  const double console = FirstSeen(spans, [](const Screen& s) { return IsConsole(s.kind); });
  const double progress =
      FirstSeen(spans, [](const Screen& s) { return s.kind == Kind::Progress; });
  const double gotcha = FirstSeen(spans, [](const Screen& s) { return s.kind == Kind::Gotcha; });
  ASSERT_GE(firstPaint, 0);
  std::printf(
      "timeline from the first paint: console %.3f s, first progress %.3f s, gotcha %.3f s\n",
      console - firstPaint, progress - firstPaint, gotcha - firstPaint);
  RecordProperty("console_ms", static_cast<int>((console - firstPaint) * 1000));
  RecordProperty("progress_ms", static_cast<int>((progress - firstPaint) * 1000));
  RecordProperty("gotcha_ms", static_cast<int>((gotcha - firstPaint) * 1000));

  const struct {
    const char* screen;
    double seen;
    double expected;
  } cases[] = {
      {"console", console, 14.0}, {"first progress", progress, 24.8}, {"gotcha", gotcha, 44.8}};
  for (const auto& c : cases) {
    ASSERT_GE(c.seen, 0) << c.screen << " never seen";
    EXPECT_NEAR(c.seen - firstPaint, c.expected, 0.3) << c.screen;
  }
}

TEST_F(FullRun, CountdownShowsEachValueOnceASecond) {
  std::vector<int> values;
  std::vector<double> times;
  for (const Span& span : record->spans) {
    if (!span.first.visible || span.first.screen.kind != Kind::Countdown) continue;
    if (!values.empty() && values.back() == span.first.screen.value) continue;
    values.push_back(span.first.screen.value);
    times.push_back(span.first.t);
  }
  std::vector<int> expected;
  for (int seconds = 14; seconds >= 1; --seconds) expected.push_back(seconds);
  ASSERT_EQ(values, expected);
  for (size_t i = 1; i < times.size(); ++i) {
    EXPECT_NEAR(times[i] - times[i - 1], 1.0, 0.15)
        << "from " << values[i - 1] << " to " << values[i];
  }
}

TEST_F(FullRun, ProgressIncreasesWithinRangeAndCursorOnOddValues) {
  std::vector<int> values;
  for (const Span& span : record->spans) {
    const Screen& screen = span.first.screen;
    if (!span.first.visible || screen.kind != Kind::Progress) continue;
    EXPECT_GE(screen.value, 0);
    EXPECT_LE(screen.value, 99);
    EXPECT_EQ(screen.cursor, screen.value % 2 == 1) << "progress " << screen.value;
    if (!values.empty()) {
      EXPECT_GT(screen.value, values.back()) << "after " << values.back();
    }
    values.push_back(screen.value);
  }
  // Each value stands for 200 ms; the observer samples far more often.
  EXPECT_GE(values.size(), 95u);
  ASSERT_FALSE(values.empty());
  EXPECT_EQ(values.front(), 0);
  EXPECT_EQ(values.back(), 99);
}

TEST_F(FullRun, TypingPlaysEveryScreenInOrderWithBlinkingCursor) {
  // Two ticks per entry, the second with the cursor. Screens that look the
  // same (a repeated text, a trailing space) are named as the catalogue
  // names their picture.
  Catalogue references;
  const SIZE client = ExpectedConsoleSize();
  references.AddConsoleScreens(client);
  std::vector<std::string> expected;
  for (int tick = 0; tick < 2 * kTypingEntries; ++tick) {
    const Screen shown{Kind::Typing, tick / 2, tick % 2 == 1};
    const std::string screen =
        Describe(references.Identify(references.Reference(shown, client).Hash()));
    if (expected.empty() || expected.back() != screen) expected.push_back(screen);
  }
  std::vector<std::string> seen;
  for (const Span& span : record->spans) {
    if (!span.first.visible || span.first.screen.kind != Kind::Typing) continue;
    const std::string screen = Describe(span.first.screen);
    if (seen.empty() || seen.back() != screen) seen.push_back(screen);
  }
  EXPECT_EQ(seen, expected);
}

TEST_F(FullRun, ClicksOnlyDuringTheCountdown) {
  if (!record->soundObservable) GTEST_SKIP() << "no sound capture (--sound-dir)";
  std::printf("clicks: %d by the console, %d in all\n", record->clicksAtConsole,
              record->clicksAtEnd);
  EXPECT_EQ(record->clicksAtConsole, 14);
  EXPECT_EQ(record->clicksAtEnd, 14);
}

TEST_F(FullRun, ScreensMatchReferenceRenderings) {
  const Catalogue references;  // drawn afresh, independent of the observer's
  for (Kind kind : {Kind::Countdown, Kind::Typing, Kind::Progress, Kind::Gotcha}) {
    const auto found = record->frames.find(kind);
    ASSERT_NE(found, record->frames.end()) << Describe(Screen{kind, 0, false}) << " never matched";
    const FrameRecord& frame = found->second;
    const Pixels reference = references.Reference(frame.screen, frame.size);
    EXPECT_EQ(CountDifferences(frame.pixels, reference), 0u) << Describe(frame.screen);
  }
  std::printf("samples: %d, visible but unidentified: %d\n", record->totalSamples,
              record->unknownVisibleSamples);
  // Frames caught half-drawn are rare; a wrong drawing would make most unknown.
  EXPECT_LT(record->unknownVisibleSamples, record->totalSamples / 20);
}

TEST_F(FullRun, ConsoleIsCentredAndSizedForEightyByTwentyFive) {
  const Span* console = FirstSpan(record->spans, Kind::Typing);
  ASSERT_NE(console, nullptr);
  const Sample& s = console->first;
  EXPECT_EQ(s.caption, kConsoleCaption);
  const SIZE expected = ExpectedConsoleSize();
  EXPECT_EQ(s.clientRect.right - s.clientRect.left, expected.cx);
  EXPECT_EQ(s.clientRect.bottom - s.clientRect.top, expected.cy);
  const int width = s.windowRect.right - s.windowRect.left;
  const int height = s.windowRect.bottom - s.windowRect.top;
  EXPECT_EQ(s.windowRect.left, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(s.windowRect.top, (::GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST_F(FullRun, GotchaRestoresTheDialogAndClosesOnEnter) {
  ASSERT_TRUE(record->reachedGotcha);
  const Span* first = FirstSpan(record->spans, Kind::Countdown);
  ASSERT_NE(first, nullptr);
  const Sample& start = first->first;
  const Sample& end = record->atGotcha;
  EXPECT_EQ(start.caption, kDialogCaption);
  EXPECT_EQ(end.caption, kGotchaCaption);
  EXPECT_EQ(end.buttonText, kGotchaButtonLabel);
  EXPECT_TRUE(::EqualRect(&start.windowRect, &end.windowRect))
      << "the dialog's place or size changed";
  EXPECT_TRUE(::EqualRect(&start.buttonRect, &end.buttonRect)) << "the button is not back in place";
  EXPECT_TRUE(end.buttonVisible);
  EXPECT_EQ(end.focus, end.button) << "the button should have the focus at the gotcha";
  EXPECT_TRUE(record->closed) << "Enter did not end the process within 5 s";
  EXPECT_FALSE(IsCrashCode(record->exitCode));
}

TEST_F(FullRun, LeavesTheDriveUntouched) {
  const auto& before = record->before;
  std::printf("hashed %zu files, %llu bytes under %s\n", before.files.size(),
              static_cast<unsigned long long>(before.bytes), Options().drive.c_str());
  ASSERT_GT(before.files.size(), 100u);
  const DriveChanges changes = Compare(before, record->after);
  EXPECT_TRUE(changes.Empty()) << changes.Describe();
}
