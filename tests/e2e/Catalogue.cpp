#include "Catalogue.h"

namespace {
std::string ConsoleText(const Screen& screen) {
  std::string text;
  if (screen.kind == Kind::Typing) text = TypingText(screen.value);
  if (screen.kind == Kind::Progress) text = ProgressText(screen.value);
  if (screen.cursor) text += "_";
  return text;
}
}  // namespace

void Catalogue::Add(const Screen& screen, const Pixels& pixels) {
  // Identical pictures (repeated typing entries) keep the first entry.
  m_screens.emplace(pixels.Hash(), screen);
}

void Catalogue::AddDialogScreens(SIZE area) {
  if (HasDialogScreens(area)) return;
  m_dialogSizes[{area.cx, area.cy}] = true;
  for (int seconds = 14; seconds >= 1; --seconds) {
    Screen screen{Kind::Countdown, seconds, false};
    Add(screen, RenderDialogText(CountdownText(seconds), area));
  }
  Add(Screen{Kind::Gotcha, 0, false}, RenderDialogText(GotchaText(), area));
}

void Catalogue::AddConsoleScreens(SIZE client) {
  if (HasConsoleScreens(client)) return;
  m_consoleSizes[{client.cx, client.cy}] = true;
  Add(Screen{Kind::EmptyConsole, 0, false}, RenderConsole("", client));
  for (int entry = 0; entry < kTypingEntries; ++entry) {
    for (bool cursor : {false, true}) {
      Screen screen{Kind::Typing, entry, cursor};
      Add(screen, RenderConsole(ConsoleText(screen), client));
    }
  }
  for (int percent = 0; percent <= 100; ++percent) {
    for (bool cursor : {false, true}) {
      Screen screen{Kind::Progress, percent, cursor};
      Add(screen, RenderConsole(ConsoleText(screen), client));
    }
  }
}

bool Catalogue::HasDialogScreens(SIZE area) const {
  return m_dialogSizes.count({area.cx, area.cy}) != 0;
}

bool Catalogue::HasConsoleScreens(SIZE client) const {
  return m_consoleSizes.count({client.cx, client.cy}) != 0;
}

Screen Catalogue::Identify(uint64_t hash) const {
  const auto found = m_screens.find(hash);
  return found == m_screens.end() ? Screen{} : found->second;
}

Pixels Catalogue::Reference(const Screen& screen, SIZE size) const {
  switch (screen.kind) {
    case Kind::Countdown:
      return RenderDialogText(CountdownText(screen.value), size);
    case Kind::Gotcha:
      return RenderDialogText(GotchaText(), size);
    case Kind::EmptyConsole:
    case Kind::Typing:
    case Kind::Progress:
      return RenderConsole(ConsoleText(screen), size);
    case Kind::Unknown:
      break;
  }
  return Pixels{};
}
