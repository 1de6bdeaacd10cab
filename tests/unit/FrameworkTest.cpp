// What the framework holds to on a desktop shared with other modules' code.
#include <gtest/gtest.h>

#include "Foreign.h"
#include "controls/DodgeButton.h"
#include "framework/CDialog.h"
#include "framework/SystemDll.h"
#include "res/resource.h"

namespace {

// Parent client width, the 60-pixel button's left edge before and after a move onto it (too narrow
// a parent must neither hang nor divide by zero), whether another procedure goes in front of ours.
class DodgeTest : public ::testing::TestWithParam<std::tuple<int, int, int, bool>> {};

TEST_P(DodgeTest, JumpsOnlyWhereThereIsRoomAndLetsGoWithoutCuttingTheChain) {
  const auto [parentWidth, leftBefore, leftAfter, foreign] = GetParam();
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, parentWidth, 40, nullptr,
                                  nullptr, nullptr, nullptr);
  HWND window = ::CreateWindowExA(0, "BUTTON", "x", WS_CHILD, leftBefore, 5, 60, 20, parent,
                                  nullptr, nullptr, nullptr);
  const LONG_PTR own = ::GetWindowLongPtrW(window, GWLP_WNDPROC);
  CDodgeButton button;
  ASSERT_TRUE(button.SubclassWindow(window));
  if (foreign) PutForeignInFront(window);
  ::SendMessageA(window, WM_MOUSEMOVE, 0, 0);
  RECT after;
  ::GetWindowRect(window, &after);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&after), 2);
  EXPECT_TRUE(after.left == leftAfter && after.top == 5) << after.left << "," << after.top;
  // Letting go leaves the other procedure in front, and messages still reach the button's own.
  button.UnsubclassWindow();
  EXPECT_EQ(::GetWindowLongPtrW(window, GWLP_WNDPROC),
            foreign ? reinterpret_cast<LONG_PTR>(&PassOn) : own);
  EXPECT_TRUE(::SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON);
  ::DestroyWindow(parent);
}

INSTANTIATE_TEST_SUITE_P(Parents, DodgeTest,
                         ::testing::Values(std::tuple(40, 0, 0, false), std::tuple(60, 0, 0, true),
                                           std::tuple(61, 0, 0, false), std::tuple(100, 0, 0, true),
                                           std::tuple(62, 1, 0, false),
                                           std::tuple(62, 1, 0, true)));

void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(0); }

// A failed attach takes no entry and pumps no dialog that nobody sees. A window destroyed after
// another module took ours out of its chain frees its entry. An object lets go of its own window,
// whatever its public handle says.
TEST(Attachments, NothingIsLeftBehind) {
  CWnd desktop;  // another process's window, whose procedure is not ours to change
  EXPECT_TRUE(!desktop.SubclassWindow(::GetDesktopWindow()) && !desktop.m_hWnd);
  HWND parent =
      ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  const auto child = [parent] {
    return ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 9, 9, parent, nullptr, nullptr,
                             nullptr);
  };
  CWnd objects[64];
  int full = 0;  // the first that found no room
  while (full < 64 && objects[full].SubclassWindow(child())) ++full;
  ASSERT_TRUE(full > 2 && full < 64) << full;
  CDialog unattached(IDD_FORMAT_DIALOG);
  const UINT_PTR watchdog = ::SetTimer(nullptr, 0, 2000, &Watchdog);
  EXPECT_EQ(unattached.DoModal(), -1);
  ::KillTimer(nullptr, watchdog);
  MSG quit;
  EXPECT_FALSE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "it pumped";
  const HWND first = objects[0].m_hWnd, second = objects[1].m_hWnd;
  ::SetWindowLongPtrA(first, GWLP_WNDPROC, ::GetClassLongPtrA(first, GCLP_WNDPROC));
  ::DestroyWindow(first);
  EXPECT_TRUE(objects[full].SubclassWindow(child()) && !objects[0].m_hWnd);
  objects[1].m_hWnd = objects[2].m_hWnd;
  objects[1].UnsubclassWindow();
  EXPECT_EQ(CWnd::FromHandlePermanent(second), nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(objects[2].m_hWnd), &objects[2]);
  ::DestroyWindow(parent);
}

// A name longer than any path is refused, never copied past the end of the path.
TEST(SystemDll, RefusesANameLongerThanAPath) {
  EXPECT_EQ(AfxGetSystemProcAddress(std::string(100000, 'a').c_str(), "PlaySoundA"), nullptr);
}

}  // namespace
