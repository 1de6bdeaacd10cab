// Too narrow a parent must neither hang a jump nor divide by zero; one free place is taken.
#include <gtest/gtest.h>

#include "controls/DodgeButton.h"

namespace {

// Parent client width, then the 60-pixel button's left edge before and after.
class DodgeNarrowTest : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(DodgeNarrowTest, JumpsOnlyWhereThereIsRoom) {
  const auto [parentWidth, leftBefore, leftAfter] = GetParam();
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, parentWidth, 40, nullptr,
                                  nullptr, nullptr, nullptr);
  CDodgeButton button;
  ASSERT_TRUE(button.SubclassWindow(::CreateWindowExA(0, "BUTTON", "x", WS_CHILD, leftBefore, 5, 60,
                                                      20, parent, nullptr, nullptr, nullptr)));
  button.JumpAway();
  RECT after;
  ::GetWindowRect(button, &after);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&after), 2);
  EXPECT_EQ(after.left, leftAfter);
  EXPECT_EQ(after.top, 5);
  ::DestroyWindow(parent);
}

INSTANTIATE_TEST_SUITE_P(Parents, DodgeNarrowTest,
                         ::testing::Values(std::tuple(40, 0, 0), std::tuple(60, 0, 0),
                                           std::tuple(61, 0, 0), std::tuple(100, 0, 0),
                                           std::tuple(62, 1, 0)));

}  // namespace
