// What the screen shows, read back pixel by pixel.
#include <set>
#include <vector>

#include "tests/unit/TestFormatDlg.h"

namespace {

// The client area as the screen shows it, one COLORREF per pixel.
class Capture {
public:
  explicit Capture(HWND hWnd) {
    const RECT rect = ClientRectOnScreen(hWnd);
    m_width = rect.right - rect.left;
    m_height = rect.bottom - rect.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_width, -m_height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, m_width, m_height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; i < m_width * m_height; ++i) {
      const DWORD p = pixels[i];  // 0x00RRGGBB in a DIB
      m_pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
  }

  COLORREF At(int x, int y) const { return m_pixels[static_cast<size_t>(y * m_width + x)]; }
  std::set<COLORREF> ColoursIn(const RECT& r) const {
    std::set<COLORREF> colours;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) colours.insert(At(x, y));
    }
    return colours;
  }
  int width() const { return m_width; }
  int height() const { return m_height; }

private:
  int m_width = 0;
  int m_height = 0;
  std::vector<COLORREF> m_pixels;
};

constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

class PaintTest : public DialogTest {
protected:
  // The screen catches up with a paint a little later: capture until it
  // shows what the test waits for, or the time-out passes.
  template <class Condition>
  Capture CaptureWhen(Condition condition) {
    Capture shot(dlg.m_hWnd);
    PumpUntil([&] {
      shot = Capture(dlg.m_hWnd);
      return condition(shot);
    });
    return shot;
  }

  void SetUp() override {
    DialogTest::SetUp();
    Show();
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == dlg.m_hWnd; }));
    Pump();
  }
};

TEST_F(PaintTest, ConsoleIsBlackWithASunkenFrameAndLightGreyText) {
  AdvanceTo(2, 37);
  const Capture shot =
      CaptureWhen([](const Capture& c) { return c.At(c.width() / 2, c.height() / 2) == kBlack; });
  ASSERT_EQ(shot.width(), dlg.m_cxConsole);
  ASSERT_EQ(shot.height(), dlg.m_cyConsole);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const int right = shot.width() - 1;
  const int bottom = shot.height() - 1;
  EXPECT_EQ(shot.At(0, 0), shadow);
  EXPECT_EQ(shot.At(right / 2, 0), shadow);
  EXPECT_EQ(shot.At(0, bottom / 2), shadow);
  EXPECT_EQ(shot.At(right, bottom / 2), highlight);
  EXPECT_EQ(shot.At(right / 2, bottom), highlight);
  EXPECT_EQ(shot.At(right, 0), highlight) << "the bottom-right colour owns the far corners";
  EXPECT_EQ(shot.At(0, bottom), highlight);

  // Text sits in the top lines; the lower half of the console is empty.
  EXPECT_EQ(shot.ColoursIn({1, 1, right, 12 * 8}), (std::set<COLORREF>{kBlack, kLightGrey}));
  EXPECT_EQ(shot.ColoursIn({1, bottom / 2, right, bottom}), std::set<COLORREF>{kBlack});
}

TEST_F(PaintTest, CursorBlinksAtTheEndOfTheScreen) {
  // Entry 17 is the finished command; odd ticks add the cursor after it.
  AdvanceTo(1, 34);
  const SIZE cell{(dlg.m_cxConsole - 2) / 80, (dlg.m_cyConsole - 2) / 25};
  const int column = 20;  // "C:\WINDOWS>format c:" is 20 characters
  const RECT cursorCell{1 + column * cell.cx, 1, 1 + (column + 1) * cell.cx, 1 + cell.cy};
  const auto cursorShown = [&](const Capture& c) {
    return c.ColoursIn(cursorCell).count(kLightGrey) > 0;
  };
  const RECT command{1, 1, cursorCell.left, cursorCell.bottom};
  const Capture even =
      CaptureWhen([&](const Capture& c) { return c.ColoursIn(command).count(kLightGrey) > 0; });
  EXPECT_TRUE(even.ColoursIn(command).count(kLightGrey)) << "the command is on screen";
  EXPECT_FALSE(cursorShown(even));
  dlg.Tick();
  EXPECT_TRUE(cursorShown(CaptureWhen(cursorShown)));
}

TEST_F(PaintTest, DialogTextSitsBesideTheIconAboveTheButton) {
  const COLORREF ink = ::GetSysColor(COLOR_BTNTEXT);
  const Capture shot = CaptureWhen([&](const Capture& c) {
    return c.ColoursIn({0, 0, c.width(), c.height() / 2}).count(ink) > 0;
  });
  RECT icon = WindowRect(dlg.m_staticIcon.m_hWnd);
  RECT button = WindowRect(dlg.m_btnCancel.m_hWnd);
  ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&icon), 2);
  ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&button), 2);
  const RECT area{icon.right + 20, 20, shot.width() - 20, button.top - 20};
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const std::set<COLORREF> colours = shot.ColoursIn(area);
  EXPECT_TRUE(colours.count(face));
  EXPECT_TRUE(colours.count(::GetSysColor(COLOR_BTNTEXT))) << "some text is drawn";
  // Nothing is drawn in the margins around the text area.
  EXPECT_EQ(shot.ColoursIn({area.left, 0, area.right, 20}), std::set<COLORREF>{face});
  EXPECT_EQ(shot.ColoursIn({area.right, 0, shot.width(), button.top}), std::set<COLORREF>{face});
}

TEST_F(PaintTest, LongTextWrapsWithinTheTextArea) {
  dlg.m_strScreen = "word word word word word word word word word word word word word word word";
  dlg.Invalidate(FALSE);
  dlg.UpdateWindow();
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
  // The countdown's blank second line turns into ink once the new text shows.
  const TEXTMETRICA metrics = [] {
    TEXTMETRICA m;
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(ANSI_VAR_FONT));
    ::GetTextMetricsA(dc, &m);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return m;
  }();
  const int secondLine = 20 + metrics.tmHeight;
  const RECT second{0, secondLine, 0, secondLine + metrics.tmHeight};
  const Capture shot = CaptureWhen([&](const Capture& c) {
    return c.ColoursIn({0, second.top, c.width(), second.bottom}).count(text) > 0;
  });
  EXPECT_TRUE(shot.ColoursIn({0, second.top, shot.width(), second.bottom}).count(text));
  EXPECT_EQ(shot.ColoursIn({shot.width() - 20, 0, shot.width(), 60}), std::set<COLORREF>{face});
}

TEST_F(PaintTest, GotchaRepaintsTheDialogLook) {
  AdvanceTo(2, 5);
  dlg.OnRevealNow();
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const Capture shot =
      CaptureWhen([&](const Capture& c) { return c.At(c.width() - 5, 5) == face; });
  // The margins, all black while the console showed, are button face again.
  EXPECT_EQ(shot.ColoursIn({0, 0, shot.width(), 20}), std::set<COLORREF>{face});
  EXPECT_EQ(shot.ColoursIn({shot.width() - 20, 0, shot.width(), shot.height()}),
            std::set<COLORREF>{face});
}
