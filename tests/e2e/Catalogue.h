// Every screen the run may show, drawn by the test, looked up by the hash of
// its pixels: a captured frame is identified only if it matches exactly.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>

#include "Pixels.h"
#include "Screens.h"

class Catalogue {
public:
  // Countdown values and the gotcha text for a text area of this size.
  void AddDialogScreens(SIZE area);
  // Empty console, typing entries and progress values, each with and
  // without the cursor, for a client area of this size.
  void AddConsoleScreens(SIZE client);

  bool HasDialogScreens(SIZE area) const;
  bool HasConsoleScreens(SIZE client) const;
  Screen Identify(uint64_t hash) const;
  // The reference drawing of a screen at the size it was added for.
  Pixels Reference(const Screen& screen, SIZE size) const;

private:
  void Add(const Screen& screen, const Pixels& pixels);
  std::unordered_map<uint64_t, Screen> m_screens;
  std::map<std::pair<int, int>, bool> m_dialogSizes;
  std::map<std::pair<int, int>, bool> m_consoleSizes;
};
