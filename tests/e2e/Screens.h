// What a person can see in the window: the screens of the run, as the test
// expects them, and which phase each belongs to.
#pragma once

#include <string>

#include "tests/support/ExpectedScreens.h"

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

constexpr int kIconControlId = 132;
constexpr int kButtonId = 1000;
