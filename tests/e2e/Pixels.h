// Pixel images: captured from the screen, or drawn by the test itself with
// the stock fonts and colours the program is meant to use.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> data;  // 0x00RRGGBB, top row first

  bool Empty() const { return data.empty(); }
  uint64_t Hash() const;  // covers the size as well
  Pixels Crop(const RECT& rect) const;
};

// The screen inside the rectangle (screen coordinates).
Pixels CaptureScreen(const RECT& rect);

// The dialog look's text area: word-wrapped text in ANSI_VAR_FONT, button
// text colour on button face.
Pixels RenderDialogText(const std::string& text, SIZE area);

// The command-prompt look: a one-pixel sunken frame around black, light grey
// text in OEM_FIXED_FONT from the top left, one line per line feed.
Pixels RenderConsole(const std::string& text, SIZE client);

// 80 by 25 cells of the OEM fixed font plus the frame.
SIZE ExpectedConsoleSize();

size_t CountDifferences(const Pixels& a, const Pixels& b);

// For a look at failures.
bool SaveBitmap(const Pixels& pixels, const std::string& path);
