#include "Input.h"

#include "Wait.h"

namespace {
bool IsExtendedKey(WORD key) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
      return true;
    default:
      return false;
  }
}

INPUT KeyInput(WORD key, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, 0));
  input.ki.dwFlags =
      (release ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT MouseButtonInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}
}  // namespace

void PressChord(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(KeyInput(key, false));
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(KeyInput(*it, true));
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKey(WORD key) { PressChord({key}); }

void MoveCursor(POINT screenPoint) { ::SetCursorPos(screenPoint.x, screenPoint.y); }

void LeftClick(POINT screenPoint) {
  MoveCursor(screenPoint);
  INPUT inputs[2] = {MouseButtonInput(MOUSEEVENTF_LEFTDOWN), MouseButtonInput(MOUSEEVENTF_LEFTUP)};
  ::SendInput(2, inputs, sizeof(INPUT));
}

bool BringToFront(HWND window, double timeoutSeconds) {
  return WaitUntil(timeoutSeconds, [&] {
    if (::GetForegroundWindow() == window) return true;
    ::SetForegroundWindow(window);
    return ::GetForegroundWindow() == window;
  });
}
