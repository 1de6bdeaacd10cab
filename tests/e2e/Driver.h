// Drives the real velmora.exe as a person would and holds what it shows against evidence.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>

#include "Golden.h"
#include "dialog/ScreenTexts.h"
#include "res/resource.h"

inline std::string Env(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }
inline double Now() { return ::GetTickCount() / 1000.0; }

template <typename Condition>
bool WaitUntil(double seconds, Condition done) {
  for (const double end = Now() + seconds; !done(); ::Sleep(2))
    if (Now() > end) return false;
  return true;
}

inline RECT RectOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

// Moves there in two steps (one leap from afar is at times lost); a click ends in the corner.
inline void Pointer(POINT at, bool click) {
  for (LONG back : {1, 0}) ::SetCursorPos(at.x - back, at.y);
  INPUT press[2] = {{INPUT_MOUSE, {{0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                    {INPUT_MOUSE, {{0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
  if (click && ::SendInput(2, press, sizeof(INPUT))) ::SetCursorPos(0, 0);
}

inline std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);  // as long as it is now: the trace
  std::string text(file ? static_cast<size_t>(file.tellg()) : 0, '\0');  // grows as it is read
  return file.seekg(0).read(&text[0], static_cast<std::streamsize>(text.size())) ? text : "";
}

inline void ExpectLook(const std::string& name, const std::string& image) {
  ASSERT_FALSE(image.empty()) << "the " << name << " screen did not show";
  const std::string path = Env("VELMORA_REFERENCE") + "/" + name + ".bmp";
  RecordGolden(path, image);
  const bool same = ReadWhole(path) == image;
  if (!same) std::ofstream(name + ".actual.bmp", std::ios::binary) << image;
  EXPECT_TRUE(same) << path << " differs from the screen, kept in " << name << ".actual.bmp";
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

  // The whole window as read from the screen, as the bytes of a BMP file.
  std::string Image() const {
    const RECT rect = RectOf(window);
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

// The click's samples, the data chunk that ends res/click.wav, in what ALSA captured in sound/ of
// the test's folder (its HOME), which run-planted.sh empties.
inline int CountClicks() {
  const std::string path = "sound/pipe_22050_1_8.raw", sound = ReadWhole(path);
  EXPECT_FALSE(sound.empty()) << "no sound captured in " << path << " (see HOME/.asoundrc)";
  const std::string wave = ReadWhole(Env("VELMORA_CLICK"));
  const std::string click = wave.substr(std::min(wave.size(), wave.find("data") + 8));
  int clicks = 0;
  for (size_t at = 0; (at = sound.find(click, at)) != std::string::npos; ++at) ++clicks;
  return clicks;
}
