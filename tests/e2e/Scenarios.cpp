// Each way of closing or skipping (the runaway button's too) in every phase; a run left alone.
#include <map>
#include <regex>
#include <sstream>

#include "Driver.h"

namespace {
const std::vector<WORD> kSkip = {VK_CONTROL, VK_MENU, VK_SHIFT, 'N'};
const std::vector<WORD> kReveal = {VK_CONTROL, VK_MENU, VK_SHIFT, 'X'};

// A closing way in a phase (3: the gotcha), or the hot keys with too few modifiers.
void Try(const Joke& joke, const std::string& way, int phase) {
  const LONG box = ::GetSystemMetrics(SM_CXSIZE);  // the close box's width
  if (way == "Enter") joke.Press({VK_RETURN});
  if (way == "Esc") joke.Press({VK_ESCAPE});
  if (way == "AltF4") joke.Press({VK_MENU, VK_F4});
  if (way == "CloseBox")
    Pointer({RectOf(joke.window).right - box, RectOf(joke.window).top + box / 2}, true);
  if (way == "Button") {  // untamed, it flees the pointer, and the click lands beside it
    const RECT before = RectOf(joke.Button());
    Pointer({(before.left + before.right) / 2, (before.top + before.bottom) / 2}, true);
    EXPECT_TRUE(phase || WaitUntil(2, [&] { return RectOf(joke.Button()).left != before.left; }));
  }
  for (int i = 0; way == "FewerModifiers" && i < 6; ++i)  // each letter without one of the three
    joke.Press({kSkip[(i + 1) % 3], kSkip[(i + 2) % 3], i < 3 ? WORD{'N'} : WORD{'X'}});
}

// A way, and the phase that kReveal ends, not kSkip (3: none).
using Attempt = std::pair<std::string, int>;
const Attempt kAttempts[] = {{"Enter", 3},    {"Esc", 0},    {"AltF4", 1},
                             {"CloseBox", 2}, {"Button", 3}, {"FewerModifiers", 3}};
}  // namespace

class Phases : public testing::TestWithParam<Attempt> {};

// Before the gotcha the attempt changes nothing: two more screens show in the same look.
TEST_P(Phases, OnlyTheHotKeysMoveOn) {
  const auto [way, revealIn] = GetParam();
  const std::vector<const char*> looks[] = {{"prompt", "prompt-cursor"}, {"formatting"}, {}};
  Joke joke;
  ExpectLook("countdown", joke.Settled(FORMAT_DIALOG_CAPTION));
  std::vector<std::string> shown;  // the console's screens so far
  for (int phase = 0; phase < 3; ++phase) {
    Try(joke, way, phase);
    const char* const caption = phase ? g_consoleCaption : FORMAT_DIALOG_CAPTION;
    std::string screen = joke.Settled(caption);
    for (int more = 0; more < 2; ++more) screen = joke.Settled(caption, {screen});
    ASSERT_FALSE(screen.empty()) << way << " ended phase " << phase;
    joke.Press(phase == revealIn ? kReveal : kSkip);
    if (phase == revealIn) break;
    for (const char* look : looks[phase]) {
      shown.push_back(joke.Settled(g_consoleCaption, shown));
      ExpectLook(look, shown.back());
    }
  }
  ExpectLook("gotcha", joke.Settled(g_gotchaCaption));
  Try(joke, way, 3);
  if (way == "FewerModifiers") {  // which closes nothing
    joke.Press(kSkip);
    joke.Press(kReveal);
    ExpectLook("gotcha", joke.Settled(g_gotchaCaption));
    joke.Press({VK_RETURN});
  }
  EXPECT_TRUE(joke.WaitForExit(5000)) << way << " did not end the program at the gotcha";
}

INSTANTIATE_TEST_SUITE_P(Each, Phases, testing::ValuesIn(kAttempts));

// Left alone: 14 clicked countdown seconds, 154 ticks of 200 ms, 100 system files read.
TEST(FullRun, Undisturbed) {
  const char kConsoleMoment[] = "velmora-e2e-console-showed";  // a name the trace will show
  Joke joke;
  std::vector<double> shown;  // screens 14 to 1, then the console (0); 14 came with the window
  std::string screen;
  for (int seconds = 14; seconds >= 0; --seconds) {
    screen = joke.Settled(seconds ? FORMAT_DIALOG_CAPTION : g_consoleCaption, {screen});
    ASSERT_FALSE(screen.empty()) << "no screen for " << seconds;
    shown.push_back(joke.since);
  }
  ::GetFileAttributesA(kConsoleMoment);
  EXPECT_EQ(CountClicks(), 14) << "clicks when the console showed";
  EXPECT_NEAR((shown.back() - shown[1]) / 13, 1.0, 0.05) << "mean seconds between screens";
  ExpectLook("gotcha", joke.Settled(g_gotchaCaption, {}, 40));  // shown before Enter can reach it
  EXPECT_NEAR(joke.since - shown.back(), 30.8, 3.08) << "seconds from the console to the gotcha";
  joke.Press({VK_RETURN});
  EXPECT_TRUE(joke.WaitForExit(5000));
  EXPECT_EQ(CountClicks(), 14) << "clicks in all";
  // System files it opened, a letter per open: E before the console showed (kConsoleMoment marks
  // it in the trace), F after, W to write; not what every Wine program opens, as the driver did.
  std::istringstream trace(ReadWhole(Env("E2E_TRACE")));
  const std::regex call(R"(^(\w+):\w+:trace:file:CreateFileW L"C:\\\\windows\\\\system32\\\\)"
                        R"(([^"\\]+)\" (.*(GENERIC_WRITE|creation [^3]))?)");
  std::map<std::string, std::string> opens, driverOpens;
  std::string moment = "E";
  for (std::string line; std::getline(trace, line);) {
    std::smatch open;
    if (line.find(kConsoleMoment) != line.npos) moment = "F";
    if (!std::regex_search(line, open, call)) continue;
    const DWORD process = std::stoul(open[1], nullptr, 16);
    if (process == ::GetCurrentProcessId()) driverOpens[open[2]] = moment;
    if (process != joke.run.dwProcessId || (moment == "E" && driverOpens.count(open[2]))) continue;
    opens[open[2]] += moment + (open[3].matched ? "W" : "");
  }
  EXPECT_EQ(moment, "F") << "no Wine file trace (WINEDEBUG=+pid,+file) in " << Env("E2E_TRACE");
  EXPECT_EQ(opens.size(), 100u) << "system files opened";
  for (const auto& file : opens)
    EXPECT_EQ(file.second, "F") << file.first << " (E: early, W: to write)";
}
