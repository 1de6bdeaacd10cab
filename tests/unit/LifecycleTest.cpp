// Closing rules, the window menu and the hot keys, driven by real input.
#include <vector>

#include "res/resource.h"
#include "tests/unit/Input.h"
#include "tests/unit/TestFormatDlg.h"

namespace {
bool CloseIsGreyed(HWND hWnd) {
  return ::GetMenuState(::GetSystemMenu(hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED;
}
}  // namespace

class ClosingTest : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    Show();
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == dlg.m_hWnd; }));
  }
};

struct CloseWay {
  const char* name;
  void (*attempt)(TestFormatDlg& dlg);
};

const CloseWay kCloseWays[] = {
    {"Enter", [](TestFormatDlg&) { PressChord({VK_RETURN}); }},
    {"Esc", [](TestFormatDlg&) { PressChord({VK_ESCAPE}); }},
    {"AltF4",
     [](TestFormatDlg&) {
       PressChord({VK_MENU, VK_F4});
     }},
    {"CloseCommand",
     [](TestFormatDlg& dlg) { ::PostMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"ButtonClick",
     [](TestFormatDlg& dlg) { ::PostMessageA(dlg.m_btnCancel.m_hWnd, BM_CLICK, 0, 0); }},
};

class CloseWayTest : public ClosingTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(CloseWayTest, DoesNothingBeforeTheGotchaAndEndsItAfter) {
  for (int phase : {0, 1, 2}) {
    AdvanceTo(phase, 1);
    GetParam().attempt(dlg);
    EXPECT_FALSE(PumpUntil([&] { return !dlg.ContinueModal(); }, 400)) << "phase " << phase;
  }
  dlg.Tick();
  dlg.OnRevealNow();
  ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == dlg.m_hWnd; }));
  GetParam().attempt(dlg);
  EXPECT_TRUE(PumpUntil([&] { return !dlg.ContinueModal(); })) << "the gotcha can be closed";
}

INSTANTIATE_TEST_SUITE_P(EachWay, CloseWayTest, ::testing::ValuesIn(kCloseWays),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClosingTest, CloseItemIsGreyedUntilTheGotcha) {
  for (int phase : {0, 1, 2}) {
    AdvanceTo(phase, 2);
    EXPECT_TRUE(CloseIsGreyed(dlg.m_hWnd)) << "phase " << phase;
  }
  AdvanceTo(3, 0);
  EXPECT_FALSE(CloseIsGreyed(dlg.m_hWnd));
}

struct KeyChord {
  const char* name;
  std::vector<WORD> keys;
  bool skips;
};

class HotKeyTest : public ClosingTest, public ::testing::WithParamInterface<KeyChord> {};

TEST_P(HotKeyTest, OnlyTheFullChordRequestsASkip) {
  PressChord(GetParam().keys);
  const bool skipped =
      PumpUntil([&] { return dlg.m_bSkip != FALSE; }, GetParam().skips ? 5000 : 500);
  EXPECT_EQ(skipped, GetParam().skips);
  EXPECT_EQ(dlg.m_nPhase, 0) << "a skip waits for the next tick";
}

INSTANTIATE_TEST_SUITE_P(
    Chords, HotKeyTest,
    ::testing::Values(KeyChord{"CtrlAltShiftN", {VK_CONTROL, VK_MENU, VK_SHIFT, 'N'}, true},
                      KeyChord{"CtrlAltN", {VK_CONTROL, VK_MENU, 'N'}, false},
                      KeyChord{"CtrlShiftN", {VK_CONTROL, VK_SHIFT, 'N'}, false},
                      KeyChord{"AltShiftN", {VK_MENU, VK_SHIFT, 'N'}, false},
                      KeyChord{"PlainN", {'N'}, false},
                      KeyChord{"CtrlAltShiftM", {VK_CONTROL, VK_MENU, VK_SHIFT, 'M'}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct RevealChord {
  const char* name;
  std::vector<WORD> keys;
  bool reveals;
};

class RevealKeyTest : public ClosingTest, public ::testing::WithParamInterface<RevealChord> {};

TEST_P(RevealKeyTest, OnlyTheFullChordReveals) {
  PressChord(GetParam().keys);
  EXPECT_EQ(PumpUntil([&] { return dlg.m_nPhase == 3; }, GetParam().reveals ? 5000 : 500),
            GetParam().reveals);
}

INSTANTIATE_TEST_SUITE_P(
    Chords, RevealKeyTest,
    ::testing::Values(RevealChord{"CtrlAltShiftX", {VK_CONTROL, VK_MENU, VK_SHIFT, 'X'}, true},
                      RevealChord{"CtrlAltX", {VK_CONTROL, VK_MENU, 'X'}, false},
                      RevealChord{"CtrlShiftX", {VK_CONTROL, VK_SHIFT, 'X'}, false},
                      RevealChord{"AltShiftX", {VK_MENU, VK_SHIFT, 'X'}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClosingTest, HotKeysWorkInTheConsoleAndAgainAtTheGotchaWithTheButtonFocused) {
  AdvanceTo(1, 3);
  PressChord({VK_CONTROL, VK_MENU, VK_SHIFT, 'N'});
  ASSERT_TRUE(PumpUntil([&] { return dlg.m_bSkip != FALSE; }));
  PressChord({VK_CONTROL, VK_MENU, VK_SHIFT, 'X'});
  ASSERT_TRUE(PumpUntil([&] { return dlg.m_nPhase == 3; }));
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == dlg.m_btnCancel.m_hWnd; }));

  dlg.m_strScreen = "stale";
  PressChord({VK_CONTROL, VK_MENU, VK_SHIFT, 'X'});
  EXPECT_TRUE(PumpUntil([&] { return dlg.Screen() != "stale"; })) << "reveal runs again";
  EXPECT_TRUE(dlg.ContinueModal());
}
