#include "Screens.h"

int PhaseOf(Kind kind) {
  switch (kind) {
    case Kind::Countdown:
      return 0;
    case Kind::EmptyConsole:
    case Kind::Typing:
      return 1;
    case Kind::Progress:
      return 2;
    case Kind::Gotcha:
      return 3;
    case Kind::Unknown:
      break;
  }
  return -1;
}

bool IsConsole(Kind kind) {
  return kind == Kind::EmptyConsole || kind == Kind::Typing || kind == Kind::Progress;
}

std::string Describe(const Screen& screen) {
  const char* names[] = {"unknown", "countdown", "empty console", "typing", "progress", "gotcha"};
  std::string text = names[static_cast<int>(screen.kind)];
  if (screen.kind == Kind::Countdown || screen.kind == Kind::Typing ||
      screen.kind == Kind::Progress) {
    text += " " + std::to_string(screen.value);
  }
  if (screen.cursor) text += " with cursor";
  return text;
}
