// Drives the real velmora.exe as a person would and holds what it shows against evidence: ways of
// closing, the hot keys and the runaway button in the phases (kAttempts), and a run left alone.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "dialog/ScreenTexts.h"
#include "res/resource.h"

namespace {
std::string Env(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }
double Now() { return ::GetTickCount() / 1000.0; }

template <typename Condition>
bool WaitUntil(double seconds, Condition done) {
  for (const double end = Now() + seconds; !done(); ::Sleep(2))
    if (Now() > end) return false;
  return true;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);  // as long as it is now: the trace
  std::string text(file ? static_cast<size_t>(file.tellg()) : 0, '\0');  // grows as it is read
  return file.seekg(0).read(&text[0], static_cast<std::streamsize>(text.size())) ? text : "";
}

RECT RectOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

// Moves there in two steps (one leap from afar is at times lost), clicks, then goes to the corner.
void Click(POINT at) {
  for (LONG back : {1, 0}) ::SetCursorPos(at.x - back, at.y);
  INPUT press[2] = {{INPUT_MOUSE, {{0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                    {INPUT_MOUSE, {{0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
  if (::SendInput(2, press, sizeof(INPUT))) ::SetCursorPos(0, 0);
}

struct Joke {
  Joke() {
    ::SetCursorPos(0, 0);  // where the button will stand it would make it jump
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string exe = Env("VELMORA_EXE");
    ::CreateProcessA(nullptr, &exe[0], nullptr, nullptr, 0, 0, nullptr, nullptr, &startup, &run);
    WaitUntil(20,
              [&] { return ::IsWindowVisible(window = ::FindWindowA(0, FORMAT_DIALOG_CAPTION)); });
  }
  ~Joke() {
    ::TerminateProcess(run.hProcess, 1);  // if it still runs
    ::WaitForSingleObject(run.hProcess, 10000);
    ::CloseHandle(run.hProcess);
    ::CloseHandle(run.hThread);
  }

  bool WaitForExit(DWORD ms) const { return !::WaitForSingleObject(run.hProcess, ms); }
  HWND Button() const { return ::GetDlgItem(window, IDC_CANCEL_BUTTON); }

  // Presses the keys in order and lets them go in reverse.
  void Press(const std::vector<WORD>& keys) const {
    ::SetForegroundWindow(window);
    std::vector<INPUT> inputs(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (size_t i = 0, n = keys.size(); i < 2 * n; ++i)
      inputs[i].ki = {keys[i < n ? i : 2 * n - 1 - i], 0, i < n ? 0ul : KEYEVENTF_KEYUP, 0, 0};
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }

  // The client area, what the program draws, as read from the screen, as the bytes of a BMP file.
  std::string Image() const {
    RECT rect{};
    ::GetClientRect(window, &rect);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    const DWORD size = (width * 3 + 3) / 4 * 4 * height;  // rows of whole words
    BITMAPFILEHEADER file{0x4D42, 54 + size, 0, 0, 54};
    BITMAPINFOHEADER info{40, width, -height, 1, 24, BI_RGB, size, 0, 0, 0, 0};
    std::string bmp = std::string(reinterpret_cast<char*>(&file), 14) +
                      std::string(reinterpret_cast<char*>(&info), 40) + std::string(size, '\0');
    HDC screen = ::GetDC(nullptr), memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::DeleteDC(memory);  // which lets go of the bitmap, as GetDIBits needs
    const int rows = ::GetDIBits(screen, bitmap, 0, height, &bmp[54],
                                 reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::ReleaseDC(nullptr, screen);
    return rows > 0 ? bmp : "";
  }

  // The client area goes to out/, numbered, for run-planted.sh to hold against its reference. The
  // caption must be active but the countdown's, which Wine's unfocused desktop draws inactive.
  void ExpectLook(const std::string& name, const std::string& image) const {
    ASSERT_FALSE(image.empty()) << "the " << name << " screen did not show";
    const RECT outer = RectOf(window);
    POINT client{};  // the client area's corner, under the caption
    ::ClientToScreen(window, &client);
    HDC screen = ::GetDC(nullptr);
    int active = 0;  // pixels of the active caption's colour along the middle of the caption
    for (LONG x = outer.left, y = (outer.top + client.y) / 2; x < outer.right; ++x)
      active += ::GetPixel(screen, x, y) == ::GetSysColor(COLOR_ACTIVECAPTION);
    ::ReleaseDC(nullptr, screen);
    EXPECT_TRUE(name == "countdown" || active) << "the " << name << " screen's caption is inactive";
    static int shown = 0;
    const std::string path = "out/" + std::to_string(++shown) + "." + name + ".bmp";
    EXPECT_TRUE(std::ofstream(path, std::ios::binary) << image) << path << " could not be written";
  }

  // The first image under this caption, none of `unlike`, to stay 100 ms; it showed at `since`.
  std::string Settled(const char* caption, const std::vector<std::string>& unlike = {},
                      double seconds = 5) {
    std::string last;
    const auto settled = [&] {
      char text[64] = {};
      ::GetWindowTextA(window, text, sizeof text);
      std::string image = std::string(text) == caption ? Image() : "";
      if (std::count(unlike.begin(), unlike.end(), image)) image.clear();
      if (std::exchange(last, image) != image) since = Now();
      return !image.empty() && Now() - since >= 0.1;
    };
    return WaitUntil(seconds, settled) ? last : "";
  }

  PROCESS_INFORMATION run{};
  HWND window = nullptr;
  double since = 0;
};

// The click's samples (the data ending res/click.wav) in what ALSA captured (see HOME/.asoundrc).
int CountClicks() {
  const std::string path = "sound/pipe_22050_1_8.raw", sound = ReadWhole(path);
  EXPECT_FALSE(sound.empty()) << "no sound captured in " << path << " (see HOME/.asoundrc)";
  const std::string wave = ReadWhole(Env("VELMORA_CLICK"));
  const std::string click = wave.substr(std::min(wave.size(), wave.find("data") + 8));
  int clicks = 0;
  for (size_t at = 0; (at = sound.find(click, at)) != std::string::npos; ++at) ++clicks;
  return clicks;
}

const std::vector<WORD> kSkip = {VK_CONTROL, VK_MENU, VK_SHIFT, 'N'};
const std::vector<WORD> kReveal = {VK_CONTROL, VK_MENU, VK_SHIFT, 'X'};

// A closing way in a phase (3: the gotcha), or the hot keys with too few modifiers.
void Try(const Joke& joke, const std::string& way, int phase) {
  const LONG box = ::GetSystemMetrics(SM_CXSIZE);  // the close box's width
  if (way == "Enter") joke.Press({VK_RETURN});
  if (way == "Esc") joke.Press({VK_ESCAPE});
  if (way == "AltF4") joke.Press({VK_MENU, VK_F4});
  if (way == "CloseBox")
    Click({RectOf(joke.window).right - box, RectOf(joke.window).top + box / 2});
  if (way == "Button") {  // untamed, it flees the pointer, and the click lands beside it
    const RECT before = RectOf(joke.Button());
    Click({(before.left + before.right) / 2, (before.top + before.bottom) / 2});
    EXPECT_TRUE(phase || WaitUntil(2, [&] { return RectOf(joke.Button()).left != before.left; }));
  }
  for (int i = 0; way == "FewerModifiers" && i < 6; ++i)  // each letter without one of the three
    joke.Press({kSkip[(i + 1) % 3], kSkip[(i + 2) % 3], i < 3 ? WORD{'N'} : WORD{'X'}});
}

// A way, and the phase kReveal ends (3: none; kSkip ends the rest): Esc is tried in the countdown,
// Alt+F4 in the countdown and the typing, the others in every phase, and all at the gotcha.
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
  joke.ExpectLook("countdown", joke.Settled(FORMAT_DIALOG_CAPTION));
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
      joke.ExpectLook(look, shown.back());
    }
  }
  joke.ExpectLook("gotcha", joke.Settled(g_gotchaCaption));
  Try(joke, way, 3);
  if (way == "FewerModifiers") {  // which closes nothing, nor do the hot keys
    for (const auto& keys : {kSkip, kReveal}) joke.Press(keys);
    joke.ExpectLook("gotcha", joke.Settled(g_gotchaCaption));
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
  joke.ExpectLook("gotcha", joke.Settled(g_gotchaCaption, {}, 40));  // before Enter can reach it
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
