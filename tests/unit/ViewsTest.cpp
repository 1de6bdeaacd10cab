// The command-prompt look and the return to the dialog at the gotcha.
#include "tests/support/ExpectedScreens.h"
#include "tests/unit/TestFormatDlg.h"

namespace {

SIZE ConsoleCell() {
  HDC screen = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(screen, ::GetStockObject(OEM_FIXED_FONT));
  TEXTMETRICA metrics;
  ::GetTextMetricsA(screen, &metrics);
  ::SelectObject(screen, old);
  ::ReleaseDC(nullptr, screen);
  return {metrics.tmAveCharWidth, metrics.tmHeight};
}

RECT WorkArea() {
  RECT area;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

bool CloseIsGreyed(HWND hWnd) {
  return ::GetMenuState(::GetSystemMenu(hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED;
}

HICON WindowIcon(HWND hWnd, WPARAM kind) {
  return reinterpret_cast<HICON>(::SendMessageA(hWnd, WM_GETICON, kind, 0));
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

TEST_F(DialogTest, ConsoleIsEightyByTwentyFiveCellsCentredOnTheScreen) {
  Show();
  AdvanceTo(1, 0);
  const SIZE cell = ConsoleCell();
  RECT client;
  ::GetClientRect(dlg.m_hWnd, &client);
  EXPECT_EQ(client.right, 80 * cell.cx + 2);
  EXPECT_EQ(client.bottom, 25 * cell.cy + 2);
  EXPECT_EQ(dlg.m_cxConsole, client.right);
  EXPECT_EQ(dlg.m_cyConsole, client.bottom);

  const RECT window = WindowRect(dlg.m_hWnd);
  EXPECT_EQ(window.left, (::GetSystemMetrics(SM_CXSCREEN) - Width(window)) / 2);
  EXPECT_EQ(window.top, (::GetSystemMetrics(SM_CYSCREEN) - Height(window)) / 2);

  EXPECT_EQ(dlg.GetWindowText(), kConsoleCaption);
  EXPECT_EQ(WindowIcon(dlg.m_hWnd, ICON_BIG), dlg.m_hDosIcon);
  EXPECT_EQ(WindowIcon(dlg.m_hWnd, ICON_SMALL), dlg.m_hDosIcon);
  EXPECT_FALSE(::IsWindowVisible(dlg.m_btnCancel.m_hWnd));
  EXPECT_FALSE(::IsWindowEnabled(dlg.m_btnCancel.m_hWnd));
  EXPECT_FALSE(::IsWindowVisible(dlg.m_staticIcon.m_hWnd));
  EXPECT_TRUE(dlg.IsWindowVisible());
  EXPECT_EQ(::GetFocus(), dlg.m_hWnd);
}

struct GotchaCase {
  const char* name;
  int phase;  // where the reveal comes from
  int jumps;  // dodges made before it
};

class GotchaViewTest : public DialogTest, public ::testing::WithParamInterface<GotchaCase> {};

TEST_P(GotchaViewTest, RestoresTheFirstLayoutCentred) {
  const RECT firstWindow = WindowRect(dlg.m_hWnd);
  RECT firstButton = WindowRect(dlg.m_btnCancel.m_hWnd);
  ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&firstButton), 2);
  Show();
  for (int i = 0; i < GetParam().jumps; ++i) dlg.m_btnCancel.JumpAway();
  AdvanceTo(GetParam().phase, 3);
  dlg.OnRevealNow();

  const RECT window = WindowRect(dlg.m_hWnd);
  EXPECT_EQ(Width(window), Width(firstWindow));
  EXPECT_EQ(Height(window), Height(firstWindow));
  const RECT area = WorkArea();
  EXPECT_EQ(window.left, (area.left + area.right) / 2 - Width(window) / 2);
  EXPECT_EQ(window.top, (area.top + area.bottom) / 2 - Height(window) / 2);

  RECT button = WindowRect(dlg.m_btnCancel.m_hWnd);
  ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&button), 2);
  EXPECT_TRUE(::EqualRect(&button, &firstButton))
      << button.left << "," << button.top << " vs " << firstButton.left << "," << firstButton.top;

  EXPECT_EQ(dlg.m_btnCancel.GetWindowText(), kGotchaButtonLabel);
  EXPECT_TRUE(::IsWindowVisible(dlg.m_btnCancel.m_hWnd));
  EXPECT_TRUE(::IsWindowEnabled(dlg.m_btnCancel.m_hWnd));
  EXPECT_TRUE(::IsWindowVisible(dlg.m_staticIcon.m_hWnd));
  EXPECT_EQ(reinterpret_cast<HICON>(dlg.m_staticIcon.SendMessage(STM_GETICON)), dlg.m_hGotchaIcon);
  EXPECT_EQ(WindowIcon(dlg.m_hWnd, ICON_BIG), dlg.m_hIcon);
  EXPECT_EQ(dlg.GetWindowText(), kGotchaCaption);
  EXPECT_TRUE(dlg.IsWindowVisible());
  EXPECT_EQ(::GetFocus(), dlg.m_btnCancel.m_hWnd);
}

INSTANTIATE_TEST_SUITE_P(FromEachPhase, GotchaViewTest,
                         ::testing::Values(GotchaCase{"CountdownUnmoved", 0, 0},
                                           GotchaCase{"CountdownAfterJumps", 0, 25},
                                           GotchaCase{"Console", 1, 7},
                                           GotchaCase{"Formatting", 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, StartsCentredWithTheStopSignAndTheAppIcon) {
  const RECT window = WindowRect(dlg.m_hWnd);
  const RECT area = WorkArea();
  EXPECT_EQ(window.left, (area.left + area.right) / 2 - Width(window) / 2);
  EXPECT_EQ(window.top, (area.top + area.bottom) / 2 - Height(window) / 2);
  EXPECT_EQ(dlg.m_rcDialog.left, 0) << "taken before the centring";
  EXPECT_FALSE(dlg.IsWindowVisible()) << "shown only after initialisation";
  EXPECT_EQ(dlg.GetWindowText(), kDialogCaption);
  EXPECT_EQ(dlg.m_btnCancel.GetWindowText(), "Cancel");
  EXPECT_EQ(reinterpret_cast<HICON>(dlg.m_staticIcon.SendMessage(STM_GETICON)),
            ::LoadIconA(nullptr, IDI_HAND));
  EXPECT_EQ(WindowIcon(dlg.m_hWnd, ICON_BIG), dlg.m_hIcon);
  EXPECT_NE(dlg.m_hIcon, nullptr);
  EXPECT_NE(dlg.m_hDosIcon, nullptr);
  EXPECT_NE(dlg.m_hGotchaIcon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(dlg.SendMessage(WM_QUERYDRAGICON)), dlg.m_hIcon);
}

TEST_F(DialogTest, CloseItemIsGreyedUntilTheGotcha) {
  for (int phase : {0, 1, 2}) {
    AdvanceTo(phase, 2);
    EXPECT_TRUE(CloseIsGreyed(dlg.m_hWnd)) << "phase " << phase;
  }
  AdvanceTo(3, 0);
  EXPECT_FALSE(CloseIsGreyed(dlg.m_hWnd));
}
