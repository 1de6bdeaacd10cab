// Each way of closing or skipping (the runaway button's too) in every phase; a run left alone.
#include "Driver.h"

namespace {
const std::vector<WORD> kSkip = {VK_CONTROL, VK_MENU, VK_SHIFT, 'N'};
const std::vector<WORD> kReveal = {VK_CONTROL, VK_MENU, VK_SHIFT, 'X'};

// A move onto the untamed button, a click (landing beside it: it fled), a press, a double-click:
// each a jump along its row, and it never takes the focus.
void Dodge(const Joke& joke) {
  const HWND button = joke.Button();
  for (int i = 0; i < 8; ++i) {
    RECT now = RectOf(button);
    const RECT before = now;
    if (i % 4 < 2) Pointer(CentreOf(before), i % 4 == 1);
    if (i % 4 > 1) ::PostMessageA(button, i % 2 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 0, 0);
    EXPECT_TRUE(WaitUntil(2, [&] { return !::EqualRect(&(now = RectOf(button)), &before); }))
        << "no jump at attempt " << i;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(::GetGUIThreadInfo(joke.run.dwThreadId, &gui));
    EXPECT_TRUE(now.top == before.top && gui.hwndFocus != button) << "attempt " << i;
  }
}

// A closing way in a phase (3: the gotcha), or the hot keys with too few modifiers.
void Try(const Joke& joke, const std::string& way, int phase) {
  const LONG box = ::GetSystemMetrics(SM_CXSIZE);  // the close box's width
  if (way == "Enter") joke.Press({VK_RETURN});
  if (way == "Esc") joke.Press({VK_ESCAPE});
  if (way == "AltF4") joke.Press({VK_MENU, VK_F4});
  if (way == "CloseBox")
    Pointer({RectOf(joke.window).right - box, RectOf(joke.window).top + box / 2}, true);
  if (way == "Button" && phase == 0) Dodge(joke);
  if (way == "Button" && phase > 0) Pointer(CentreOf(RectOf(joke.Button())), true);
  const WORD modifiers[] = {VK_CONTROL, VK_MENU, VK_SHIFT};
  for (int i = 0; way == "FewerModifiers" && i < 6; ++i)  // each letter without one of the three
    joke.Press({modifiers[(i + 1) % 3], modifiers[(i + 2) % 3], i < 3 ? WORD{'N'} : WORD{'X'}});
}

// A way, whether it closes at the gotcha, and the phase that kReveal ends, not kSkip (3: none).
using Attempt = std::tuple<const char*, bool, int>;
const Attempt kAttempts[] = {{"Enter", true, 3},  {"Esc", true, 0},
                             {"AltF4", true, 1},  {"CloseBox", true, 2},
                             {"Button", true, 3}, {"FewerModifiers", false, 3}};
}  // namespace

class Phases : public testing::TestWithParam<Attempt> {};

// Before the gotcha the attempt changes nothing: two more screens show in the same look.
TEST_P(Phases, OnlyTheHotKeysMoveOn) {
  const auto [way, closes, revealIn] = GetParam();
  const char* const captions[] = {kDialogCaption, kConsoleCaption, kConsoleCaption};
  const std::vector<const char*> looks[] = {{"prompt", "prompt-cursor"}, {"formatting"}, {}};
  Joke joke;
  ExpectLook("countdown", joke.Settled(kDialogCaption));
  std::vector<std::string> shown;  // the console's screens so far
  for (int phase = 0; phase < 3; ++phase) {
    Try(joke, way, phase);
    std::string screen = joke.Settled(captions[phase]);
    for (int more = 0; more < 2; ++more) screen = joke.Settled(captions[phase], {screen});
    ASSERT_FALSE(screen.empty()) << way << " ended phase " << phase;
    joke.Press(phase == revealIn ? kReveal : kSkip);
    if (phase == revealIn) break;
    for (const char* look : looks[phase]) {
      shown.push_back(joke.Settled(kConsoleCaption, shown));
      ExpectLook(look, shown.back());
    }
  }
  ExpectLook("gotcha", joke.Settled(kGotchaCaption));
  Try(joke, way, 3);
  if (!closes) {
    joke.Press(kSkip);
    joke.Press(kReveal);
    ExpectLook("gotcha", joke.Settled(kGotchaCaption));
    joke.Press({VK_RETURN});
  }
  EXPECT_TRUE(joke.WaitForExit(5000)) << way << " did not end the program at the gotcha";
}

INSTANTIATE_TEST_SUITE_P(Each, Phases, testing::ValuesIn(kAttempts));

// Left alone: 14 clicked countdown seconds, 154 ticks of 200 ms, 100 system files read.
TEST(FullRun, Undisturbed) {
  Joke joke;
  std::vector<double> shown;  // screens 14 to 1, then the console; 14 came with the window
  std::string screen;
  for (int seconds = 14; seconds >= 1; --seconds) {
    screen = joke.Settled(kDialogCaption, {screen}, &shown.emplace_back());
    ASSERT_FALSE(screen.empty()) << "no countdown screen for " << seconds;
  }
  ASSERT_TRUE(WaitUntil(3, [&] { return TextOf(joke.window) == kConsoleCaption; }));
  shown.push_back(Now());
  ::GetFileAttributesA(kConsoleMoment);
  EXPECT_EQ(CountClicks(), 14) << "clicks when the console showed";
  EXPECT_NEAR((shown.back() - shown[1]) / 13, 1.0, 0.05) << "mean seconds between screens";
  ASSERT_TRUE(WaitUntil(40, [&] { return TextOf(joke.window) == kGotchaCaption; }));
  EXPECT_NEAR(Now() - shown.back(), 30.8, 3.08) << "seconds from the console to the gotcha";
  ExpectLook("gotcha", joke.Settled(kGotchaCaption));  // and shown before Enter can reach it
  joke.Press({VK_RETURN});
  EXPECT_TRUE(joke.WaitForExit(5000));
  EXPECT_EQ(CountClicks(), 14) << "clicks in all";
  const auto opens = SystemFileOpens(joke.run.dwProcessId);
  EXPECT_EQ(opens.size(), 100u) << "system files opened";
  for (const auto& file : opens)
    EXPECT_EQ(file.second, "F") << file.first << " (E: early, W: to write)";
}
