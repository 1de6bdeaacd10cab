// What the framework holds to on a desktop shared with other modules' code.
#include <gtest/gtest.h>

#include "controls/DodgeButton.h"
#include "framework/CDialog.h"
#include "framework/SystemDll.h"
#include "res/resource.h"

namespace {

// Another module's procedure, as window utilities put into every program: it passes every message
// on to the one it replaced, kept where many keep theirs (GWLP_USERDATA).
LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_USERDATA)),
                           window, message, wParam, lParam);
}

HWND Window(const char* kind, DWORD style, int left, int width, HWND parent = nullptr) {
  return ::CreateWindowExA(0, kind, "", style, left, 5, width, 20, parent, 0, 0, 0);
}

// Parent client width, the 60-pixel button's left edge, a mouse message (move, press, double-click)
// that makes it jump along its row to 0 where there is room (too narrow a parent must neither hang
// nor divide by zero; neither Space nor a press pushes it), another procedure in front.
using Parent = std::tuple<int, int, UINT, bool>;
class DodgeTest : public ::testing::TestWithParam<Parent> {};

TEST_P(DodgeTest, JumpsOnlyWhereThereIsRoomAndLetsGoWithoutCuttingTheChain) {
  const auto [parentWidth, leftBefore, mouse, foreign] = GetParam();
  HWND parent = Window("STATIC", WS_POPUP, 100, parentWidth);
  HWND window = Window("BUTTON", WS_CHILD, leftBefore, 60, parent);
  const LONG_PTR own = ::GetWindowLongPtrW(window, GWLP_WNDPROC);
  CDodgeButton button;
  ASSERT_TRUE(button.SubclassWindow(window));
  if (foreign)  // in front of ours
    ::SetWindowLongPtrW(
        window, GWLP_USERDATA,
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassOn)));
  ::SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
  ::SendMessageA(window, mouse, 0, 0);
  EXPECT_FALSE(::SendMessageA(window, BM_GETSTATE, 0, 0) & BST_PUSHED) << "Space or a press";
  POINT corner{};  // a borderless child's is its client area's
  ::MapWindowPoints(window, parent, &corner, 1);
  EXPECT_TRUE(corner.x == 0 && corner.y == 5) << corner.x << "," << corner.y;
  // Letting go leaves the other procedure in front, and messages still reach the button's own.
  button.UnsubclassWindow();
  EXPECT_EQ(::GetWindowLongPtrW(window, GWLP_WNDPROC),
            foreign ? reinterpret_cast<LONG_PTR>(&PassOn) : own);
  EXPECT_TRUE(::SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON);
  ::DestroyWindow(parent);
}

INSTANTIATE_TEST_SUITE_P(
    Parents, DodgeTest,
    ::testing::Values(Parent(40, 0, WM_MOUSEMOVE, 0), Parent(60, 0, WM_LBUTTONDOWN, 1),
                      Parent(61, 0, WM_LBUTTONDBLCLK, 0), Parent(100, 0, WM_MOUSEMOVE, 1),
                      Parent(62, 1, WM_LBUTTONDOWN, 0), Parent(62, 1, WM_LBUTTONDBLCLK, 1),
                      Parent(62, 1, WM_MOUSEMOVE, 0)));

// A failed attach takes no entry and pumps no dialog that nobody sees. A window destroyed after
// another module took ours out of its chain frees its entry. An object lets go of its own window,
// whatever its public handle says. A DLL name longer than any path is refused, never copied.
TEST(Framework, FailuresLeaveNothingBehind) {
  CWnd objects[64];  // the last for another process's window, whose procedure is not ours to change
  EXPECT_TRUE(!objects[63].SubclassWindow(::GetDesktopWindow()) && !objects[63].m_hWnd);
  HWND parent = Window("STATIC", WS_POPUP, 0, 9);
  int full = 0;  // the first that found no room
  while (full < 63 && objects[full].SubclassWindow(Window("STATIC", WS_CHILD, 0, 9, parent)))
    ++full;
  ASSERT_TRUE(full > 2 && full < 63) << full;
  CDialog unattached(IDD_FORMAT_DIALOG);
  ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP, 0, 0);  // a modal loop would take it,
  ::PostQuitMessage(0);                                        // and then end
  EXPECT_EQ(unattached.DoModal(), -1);
  MSG m;  // the quit comes out of any filter, so the first message must be ours
  EXPECT_EQ(::PeekMessageA(&m, 0, 0, 0, PM_REMOVE) ? m.message : 0u, UINT{WM_APP}) << "it pumped";
  ::PeekMessageA(&m, 0, WM_QUIT, WM_QUIT, PM_REMOVE);
  const HWND first = objects[0].m_hWnd, second = objects[1].m_hWnd;
  ::SetWindowLongPtrA(first, GWLP_WNDPROC, ::GetClassLongPtrA(first, GCLP_WNDPROC));
  ::DestroyWindow(first);
  EXPECT_TRUE(objects[full].SubclassWindow(Window("STATIC", WS_CHILD, 0, 9, parent)));
  EXPECT_EQ(objects[0].m_hWnd, nullptr);
  objects[1].m_hWnd = objects[2].m_hWnd;
  objects[1].UnsubclassWindow();
  EXPECT_EQ(CWnd::FromHandlePermanent(second), nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(objects[2].m_hWnd), &objects[2]);
  ::DestroyWindow(parent);
  EXPECT_EQ(AfxGetSystemProcAddress(std::string(100000, 'a').c_str(), "PlaySoundA"), nullptr);
}

}  // namespace
