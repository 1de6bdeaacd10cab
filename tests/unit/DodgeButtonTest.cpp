// The button that will not be pressed until the joke is over.
#include <stdlib.h>

#include "tests/unit/TestFormatDlg.h"

namespace {
struct Span {
  RECT before;
  RECT after;
};

// The new left edge lies outside the old span, the row and the size stay,
// and the client area holds the button.
void ExpectFairJump(const Span& jump, const RECT& client) {
  const int width = jump.before.right - jump.before.left;
  EXPECT_TRUE(jump.after.left < jump.before.left || jump.after.left >= jump.before.right)
      << "from " << jump.before.left << " to " << jump.after.left;
  EXPECT_EQ(jump.after.top, jump.before.top);
  EXPECT_EQ(jump.after.right - jump.after.left, width);
  EXPECT_EQ(jump.after.bottom - jump.after.top, jump.before.bottom - jump.before.top);
  EXPECT_GE(jump.after.left, client.left);
  EXPECT_LT(jump.after.right, client.right) << "one pixel short of the right edge at least";
}

}  // namespace

class DodgeTest : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    Show();
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == dlg.m_hWnd; }));
  }
  RECT Button() const { return WindowRect(dlg.m_btnCancel.m_hWnd); }
};

struct MoveKind {
  const char* name;
  UINT message;
};

class DodgeMessageTest : public DodgeTest, public ::testing::WithParamInterface<MoveKind> {};

TEST_P(DodgeMessageTest, EveryMessageMakesAFairJump) {
  const RECT client = ClientRectOnScreen(dlg.m_hWnd);
  srand(12345);
  for (int i = 0; i < 60; ++i) {
    const RECT before = Button();
    dlg.m_btnCancel.SendMessage(GetParam().message,
                                GetParam().message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                                MAKELPARAM(5, 5));
    ExpectFairJump({before, Button()}, client);
  }
  EXPECT_EQ(dlg.buttonCommands, 0);
  EXPECT_NE(::GetFocus(), dlg.m_btnCancel.m_hWnd);
}

INSTANTIATE_TEST_SUITE_P(Messages, DodgeMessageTest,
                         ::testing::Values(MoveKind{"MouseMove", WM_MOUSEMOVE},
                                           MoveKind{"Press", WM_LBUTTONDOWN},
                                           MoveKind{"DoubleClick", WM_LBUTTONDBLCLK}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DodgeTest, RefusesTheFocusAndIgnoresKeys) {
  ::SetFocus(dlg.m_hWnd);
  dlg.m_btnCancel.SetFocus();
  EXPECT_EQ(::GetFocus(), dlg.m_hWnd) << "the focus goes back where it was";

  // Space clicks an ordinary button; this one swallows the keys.
  for (UINT message : {WM_KEYDOWN, WM_CHAR, WM_KEYUP}) {
    dlg.m_btnCancel.SendMessage(message, message == WM_CHAR ? ' ' : VK_SPACE, 0);
  }
  Pump();
  EXPECT_EQ(dlg.buttonCommands, 0);
}

TEST_F(DodgeTest, NobodyHoldsTheFocusOnItFromTheStart) {
  EXPECT_NE(::GetFocus(), dlg.m_btnCancel.m_hWnd);
}

TEST_F(DodgeTest, TamedItClicksAndTakesTheFocus) {
  dlg.OnRevealNow();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == dlg.m_btnCancel.m_hWnd; }));
  const RECT before = Button();
  dlg.m_btnCancel.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Button().left, before.left) << "a tamed button stays put";
  dlg.m_btnCancel.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
  dlg.m_btnCancel.SendMessage(WM_KEYUP, VK_SPACE, 0);
  Pump();
  EXPECT_EQ(dlg.buttonCommands, 1);
  EXPECT_FALSE(dlg.ContinueModal());
}

TEST(RandomInRangeTest, StaysWithinTheHalfOpenRange) {
  srand(7);
  for (int i = 0; i < 2000; ++i) {
    const int value = RandomInRange(-3, 4);
    EXPECT_GE(value, -3);
    EXPECT_LT(value, 4);
  }
  EXPECT_EQ(RandomInRange(10, 11), 10);
}

// A parent too narrow for any other place: the button stays and nothing hangs.
struct NarrowCase {
  const char* name;
  int parentWidth;
  int buttonLeft;
};

class NarrowParentTest : public ::testing::TestWithParam<NarrowCase> {};

TEST_P(NarrowParentTest, StaysWhereItIs) {
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, GetParam().parentWidth, 40,
                                  nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  HWND child = ::CreateWindowExA(0, "BUTTON", "x", WS_CHILD | BS_PUSHBUTTON, GetParam().buttonLeft,
                                 5, 60, 20, parent, nullptr, nullptr, nullptr);
  CDodgeButton button;
  ASSERT_TRUE(button.SubclassWindow(child));
  const RECT before = WindowRect(child);
  button.JumpAway();
  const RECT after = WindowRect(child);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  ::DestroyWindow(parent);
}

INSTANTIATE_TEST_SUITE_P(Parents, NarrowParentTest,
                         ::testing::Values(NarrowCase{"NarrowerThanTheButton", 40, 0},
                                           NarrowCase{"ExactlyItsWidth", 60, 0},
                                           NarrowCase{"OnePixelWider", 61, 0},
                                           NarrowCase{"EveryPlaceOverlaps", 100, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WideParentTest, OneFreePlaceIsFound) {
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, 62, 40, nullptr, nullptr,
                                  nullptr, nullptr);
  HWND child = ::CreateWindowExA(0, "BUTTON", "x", WS_CHILD | BS_PUSHBUTTON, 1, 5, 60, 20, parent,
                                 nullptr, nullptr, nullptr);
  CDodgeButton button;
  ASSERT_TRUE(button.SubclassWindow(child));
  button.JumpAway();
  RECT after = WindowRect(child);
  POINT origin{0, 0};
  ::ClientToScreen(parent, &origin);
  EXPECT_EQ(after.left - origin.x, 0) << "left edges 0 and 1 fit; 1 is its own";
  ::DestroyWindow(parent);
}
