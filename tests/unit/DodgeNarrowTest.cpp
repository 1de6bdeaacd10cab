// A parent too narrow for a jump must neither hang nor divide by zero.
#include <gtest/gtest.h>

#include "controls/DodgeButton.h"

namespace {

struct NarrowCase {
  const char* name;
  int parentWidth;
  int buttonLeft;
  int leftAfter;  // in the parent's client area
};

class DodgeNarrowTest : public ::testing::TestWithParam<NarrowCase> {};

TEST_P(DodgeNarrowTest, JumpsOnlyWhereThereIsRoom) {
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, GetParam().parentWidth, 40,
                                  nullptr, nullptr, nullptr, nullptr);
  HWND child = ::CreateWindowExA(0, "BUTTON", "x", WS_CHILD | BS_PUSHBUTTON, GetParam().buttonLeft,
                                 5, 60, 20, parent, nullptr, nullptr, nullptr);
  CDodgeButton button;
  ASSERT_TRUE(button.SubclassWindow(child));
  button.JumpAway();
  RECT after;
  ::GetWindowRect(child, &after);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&after), 2);
  EXPECT_EQ(after.left, GetParam().leftAfter);
  EXPECT_EQ(after.top, 5);
  ::DestroyWindow(parent);
}

INSTANTIATE_TEST_SUITE_P(Parents, DodgeNarrowTest,
                         ::testing::Values(NarrowCase{"NarrowerThanTheButton", 40, 0, 0},
                                           NarrowCase{"ExactlyItsWidth", 60, 0, 0},
                                           NarrowCase{"OnlyItsOwnPlace", 61, 0, 0},
                                           NarrowCase{"EveryPlaceOverlaps", 100, 0, 0},
                                           NarrowCase{"OneFreePlace", 62, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
