// Real keyboard and mouse input through SendInput, as a person would type.
#pragma once

#include <windows.h>

#include <vector>

// Presses the keys in order, then releases them in reverse order.
void PressChord(const std::vector<WORD>& keys);
void MoveMouseTo(int x, int y);
void ClickAt(int x, int y);
