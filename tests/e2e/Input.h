// Real input, as a person gives it: key presses and mouse actions through
// SendInput and SetCursorPos.
#pragma once

#include <windows.h>

#include <vector>

// Presses the keys in order and releases them in reverse order.
void PressChord(const std::vector<WORD>& keys);
void PressKey(WORD key);

void MoveCursor(POINT screenPoint);
void LeftClick(POINT screenPoint);

// Makes the window the foreground window; true once it is.
bool BringToFront(HWND window, double timeoutSeconds = 3.0);

inline POINT CentreOf(const RECT& rect) {
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
