// What a person can see in the window: the screens of the run, as the test
// expects them, and which phase each belongs to.
#pragma once

#include <string>

enum class Kind { Unknown, Countdown, EmptyConsole, Typing, Progress, Gotcha };

struct Screen {
  Kind kind = Kind::Unknown;
  int value = 0;        // seconds left, typing entry or percent
  bool cursor = false;  // the console's blinking underscore is showing
  bool operator==(const Screen& other) const {
    return kind == other.kind && value == other.value && cursor == other.cursor;
  }
  bool operator!=(const Screen& other) const { return !(*this == other); }
};

// 0 countdown, 1 typing, 2 formatting, 3 gotcha; -1 for an unknown screen.
int PhaseOf(Kind kind);
bool IsConsole(Kind kind);
std::string Describe(const Screen& screen);

extern const char* const kDialogCaption;
extern const char* const kConsoleCaption;
extern const char* const kGotchaCaption;
extern const char* const kGotchaButtonLabel;

constexpr int kTypingEntries = 27;
constexpr int kIconControlId = 132;
constexpr int kButtonId = 1000;

std::string CountdownText(int secondsLeft);
std::string TypingText(int entry);
std::string ProgressText(int percent);
std::string GotchaText();
