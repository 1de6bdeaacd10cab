// Every way of closing or skipping in every phase, the runaway button, and
// one undisturbed run.
#include "Driver.h"

namespace {
const std::vector<WORD> kSkip = {VK_CONTROL, VK_MENU, VK_SHIFT, 'N'};
const std::vector<WORD> kReveal = {VK_CONTROL, VK_MENU, VK_SHIFT, 'X'};

// A closing way, or the hot keys with too few modifiers.
void Try(const Joke& joke, const std::string& way) {
  const RECT frame = RectOf(joke.window);
  const LONG edge = ::GetSystemMetrics(SM_CXDLGFRAME), box = ::GetSystemMetrics(SM_CXSIZE);
  if (way == "Enter") joke.Press({VK_RETURN});
  if (way == "Esc") joke.Press({VK_ESCAPE});
  if (way == "AltF4") joke.Press({VK_MENU, VK_F4});
  if (way == "CloseBox") Click({frame.right - edge - box / 2, frame.top + edge + box / 2});
  if (way == "Button") Click(CentreOf(RectOf(joke.Button())));
  for (WORD letter : {'N', 'X'}) {
    if (way != "FewerModifiers") break;
    for (WORD first : {VK_CONTROL, VK_MENU}) joke.Press({first, VK_SHIFT, letter});
    joke.Press({VK_CONTROL, VK_MENU, letter});
  }
}

// Whether the way ends the program at the gotcha, and the phase where
// Ctrl+Alt+Shift+X takes the place of Ctrl+Alt+Shift+N (3: none).
struct Attempt {
  const char* way;
  bool closes;
  int revealIn;
} const kAttempts[] = {{"Enter", true, 3},    {"Esc", true, 3},    {"AltF4", true, 1},
                       {"CloseBox", true, 2}, {"Button", true, 3}, {"FewerModifiers", false, 3}};
}  // namespace

class Phases : public testing::TestWithParam<Attempt> {};

// Before the gotcha the attempt changes nothing: two more screens show in
// the same look. The hot keys end each phase.
TEST_P(Phases, OnlyTheHotKeysMoveOn) {
  const Attempt& attempt = GetParam();
  const char* const captions[] = {kDialogCaption, kConsoleCaption, kConsoleCaption};
  const std::vector<const char*> looks[] = {{"prompt", "prompt-cursor"}, {"formatting"}, {}};
  Joke joke;
  ExpectLook("countdown", joke.Settled(kDialogCaption));
  std::vector<std::string> shown;  // the console's screens so far
  for (int phase = 0; phase < 3; ++phase) {
    Try(joke, attempt.way);
    std::string screen = joke.Settled(captions[phase]);
    for (int more = 0; more < 2; ++more) screen = joke.Settled(captions[phase], {screen});
    ASSERT_FALSE(screen.empty()) << attempt.way << " ended phase " << phase;
    joke.Press(phase == attempt.revealIn ? kReveal : kSkip);
    if (phase == attempt.revealIn) break;
    for (const char* look : looks[phase]) {
      shown.push_back(joke.Settled(kConsoleCaption, shown));
      ExpectLook(look, shown.back());
    }
  }
  ExpectLook("gotcha", joke.Settled(kGotchaCaption));
  Try(joke, attempt.way);
  if (!attempt.closes) {
    joke.Press(kSkip);
    joke.Press(kReveal);
    ExpectLook("gotcha", joke.Settled(kGotchaCaption));
    joke.Press({VK_RETURN});
  }
  EXPECT_TRUE(joke.WaitForExit(5)) << attempt.way << " did not end the program at the gotcha";
}

INSTANTIATE_TEST_SUITE_P(Each, Phases, testing::ValuesIn(kAttempts));

// A move onto it, a click (the press lands beside it: it fled on the way), a
// press and a double-click sent to it: each makes it jump along its row.
TEST(Dodge, TheButtonRunsAwayUntilTheGotcha) {
  Joke joke;
  const HWND button = joke.Button();
  const RECT first = RectOf(button);
  RECT client{};
  ::GetClientRect(joke.window, &client);
  ::MapWindowPoints(joke.window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  for (int attempt = 0; attempt < 40; ++attempt) {
    RECT now = RectOf(button);
    const RECT before = now;
    if (attempt % 4 == 0) ::SetCursorPos(CentreOf(before).x, CentreOf(before).y);
    if (attempt % 4 == 1) Click(CentreOf(before));
    if (attempt % 4 == 2) ::PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 9));
    if (attempt % 4 == 3) ::PostMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(9, 9));
    ASSERT_TRUE(WaitUntil(2, [&] { return !::EqualRect(&(now = RectOf(button)), &before); }))
        << "no jump at attempt " << attempt;
    EXPECT_TRUE(now.top == first.top && now.left >= client.left && now.right <= client.right);
    EXPECT_NE(joke.Focus(), button) << "attempt " << attempt;
  }
  ::SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(::SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) << "Space pushed it";
  ::SendMessageA(button, WM_CHAR, ' ', 0);
  ::SendMessageA(button, WM_KEYUP, VK_SPACE, 0);
  joke.Press(kReveal);
  ExpectLook("gotcha", joke.Settled(kGotchaCaption));
  const RECT tamed = RectOf(button);
  char label[16] = {};
  ::GetWindowTextA(button, label, sizeof label);
  EXPECT_TRUE(::EqualRect(&tamed, &first)) << "not back in its first place";
  EXPECT_EQ(joke.Focus(), button);
  EXPECT_STREQ(label, "&Whew!");
  Click(CentreOf(tamed));
  EXPECT_TRUE(joke.WaitForExit(5)) << "a click on the tamed button did not end the program";
}

// Left alone: 14 countdown screens a second apart with a click each, then
// 154 ticks of 200 ms from the console to the gotcha, reading 100 system files.
TEST(FullRun, Undisturbed) {
  Joke joke;
  std::vector<double> shown;  // when each countdown screen showed, then the console
  std::string screen;
  for (int seconds = 14; seconds >= 1; --seconds) {
    screen = joke.Settled(kDialogCaption, {screen});
    ASSERT_FALSE(screen.empty()) << "no countdown screen for " << seconds;
    shown.push_back(Now() - 0.1);  // it has stayed for 100 ms
  }
  ASSERT_TRUE(WaitUntil(3, [&] { return joke.Caption() == kConsoleCaption; }));
  shown.push_back(Now());
  Mark(kConsoleMoment);
  EXPECT_EQ(CountClicks(), 14) << "clicks when the console showed";
  for (size_t i = 2; i < shown.size(); ++i) EXPECT_NEAR(shown[i] - shown[i - 1], 1.0, 0.1) << i;
  ASSERT_TRUE(WaitUntil(40, [&] { return joke.Caption() == kGotchaCaption; }));
  EXPECT_NEAR(Now() - shown.back(), 30.8, 3.08) << "seconds from the console to the gotcha";
  Mark(kGotchaMoment);
  joke.Press({VK_RETURN});
  EXPECT_TRUE(joke.WaitForExit(5));
  EXPECT_EQ(CountClicks(), 14) << "clicks in all";
  const auto opens = SystemFileOpens(joke.run.dwProcessId);
  EXPECT_EQ(opens.size(), 100u) << "system files opened";
  for (const auto& file : opens)
    EXPECT_EQ(file.second, "F") << file.first << " (E: early, W: to write)";
}
