#include "tests/unit/Input.h"

void PressChord(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--it;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

namespace {
INPUT MouseInput(int x, int y, DWORD flags) {
  // Absolute coordinates are in 0..65535 across the primary screen.
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (x * 65536 + ::GetSystemMetrics(SM_CXSCREEN) / 2) / ::GetSystemMetrics(SM_CXSCREEN);
  input.mi.dy = (y * 65536 + ::GetSystemMetrics(SM_CYSCREEN) / 2) / ::GetSystemMetrics(SM_CYSCREEN);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | flags;
  return input;
}
}  // namespace

void MoveMouseTo(int x, int y) {
  INPUT input = MouseInput(x, y, MOUSEEVENTF_MOVE);
  ::SendInput(1, &input, sizeof(INPUT));
}

void ClickAt(int x, int y) {
  INPUT inputs[] = {MouseInput(x, y, MOUSEEVENTF_MOVE), MouseInput(x, y, MOUSEEVENTF_LEFTDOWN),
                    MouseInput(x, y, MOUSEEVENTF_LEFTUP)};
  ::SendInput(3, inputs, sizeof(INPUT));
}
