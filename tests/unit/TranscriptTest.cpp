// Plays scripts of ticks and hot-key commands on the real modal dialog; every screen and change of
// the window's state goes to out/transcript.golden, which run-planted.sh holds against the golden.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "dialog/FormatDlg.h"
#include "res/resource.h"

namespace {

std::string Quoted(std::string text) {
  for (size_t at = 0; (at = text.find('\n', at)) != text.npos;) text.replace(at, 1, "\\n");
  return '"' + text + '"';
}

std::string IconName(LRESULT icon) {
  const HINSTANCE self = ::GetModuleHandleA(nullptr);
  const std::pair<HICON, const char*> kKnown[] = {
      {::LoadIconA(self, MAKEINTRESOURCEA(IDR_MAINFRAME)), "drive"},
      {::LoadIconA(self, MAKEINTRESOURCEA(IDI_DOS_PROMPT)), "prompt"},
      {::LoadIconA(self, MAKEINTRESOURCEA(IDI_GOTCHA)), "smiley"},
      {::LoadIconA(nullptr, IDI_HAND), "stop"}};
  for (const auto& [known, name] : kKnown)
    if (icon == reinterpret_cast<LRESULT>(known)) return name;
  return icon ? "unknown" : "none";
}

// Text, visibility, place and client size: a control's rectangle in its parent; whether a top-level
// window stands centred in the work area and in the frame this system gives its style.
std::string Describe(HWND window) {
  char text[256] = "";
  ::GetWindowTextA(window, text, sizeof text);
  RECT rect, client, area;
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  ::GetClientRect(window, &client);
  RECT frame = client;
  ::AdjustWindowRectEx(&frame, ::GetWindowLongA(window, GWL_STYLE), FALSE,
                       ::GetWindowLongA(window, GWL_EXSTYLE));
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const bool top = !::GetParent(window);  // centred: both middles the same, but for rounding
  const bool centred = top && std::abs(rect.left + rect.right - area.left - area.right) < 2 &&
                       std::abs(rect.top + rect.bottom - area.top - area.bottom) < 2;
  const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
  const bool framed =
      top && size.cx == frame.right - frame.left && size.cy == frame.bottom - frame.top;
  const std::string at = " at " + std::to_string(rect.left) + "," + std::to_string(rect.top);
  std::ostringstream out;
  out << Quoted(text) << (::IsWindowVisible(window) ? " shown" : " hidden")
      << (centred ? " centred" : at)
      << (framed ? " framed" : " size " + std::to_string(size.cx) + "x" + std::to_string(size.cy))
      << " client " << client.right << "x" << client.bottom;
  return out.str();
}

struct CScriptedDlg : CFormatDlg {
  explicit CScriptedDlg(const std::string& script) : m_strScript(script) {}
  std::ostringstream m_transcript;

  BOOL OnInitDialog() override {
    const BOOL result = CFormatDlg::OnInitDialog();
    Note("init");
    ::PostMessageA(m_hWnd, WM_APP, 0, 0);  // the script runs once the dialog shows
    return result;
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_PAINT) ++m_nPaints;
    if (message != WM_APP) return CFormatDlg::WindowProc(message, wParam, lParam);
    UpdateWindow();
    Note("shown");
    // Steps: t a tick, o a message of another timer, n the skip command, x the reveal command.
    for (const char step : m_strScript) {
      if (step == 't' || step == 'o') SendMessage(WM_TIMER, IDT_SEQUENCE + (step == 'o'));
      if (step == 'n' || step == 'x')
        SendMessage(WM_COMMAND, step == 'n' ? ID_SKIP_PHASE : ID_REVEAL_NOW);
      Note(std::string(1, step));
    }
    // Only a timer that still runs can be killed.
    m_transcript << "timer " << (::KillTimer(m_hWnd, IDT_SEQUENCE) ? "running" : "stopped") << "\n";
    EndDialog(IDABORT);             // the run ends whatever comes next,
    SendMessage(WM_COMMAND, IDOK);  // and with IDOK if Enter's command ends the gotcha
    return 0;
  }

  // One line per step; the window's state only when it changed.
  void Note(const std::string& step) {
    m_transcript << step << " -> phase " << m_nPhase << " tick " << m_nTicks << " files "
                 << m_arrFiles.GetSize() << " paints " << std::exchange(m_nPaints, 0) << " "
                 << Quoted(static_cast<LPCSTR>(m_strScreen)) << "\n";
    const HWND focus = ::GetFocus();
    const bool grey = ::GetMenuState(GetSystemMenu(FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED;
    const auto icon = [this](WPARAM size) { return IconName(SendMessage(WM_GETICON, size)); };
    std::ostringstream state;
    state << "  window " << Describe(m_hWnd) << " icons " << icon(ICON_BIG) << "/"
          << icon(ICON_SMALL) << " close " << (grey ? "grey" : "on") << " focus "
          << (focus == m_hWnd ? "dialog" : (focus == m_btnCancel ? "button" : "elsewhere"))
          << "\n  button " << Describe(m_btnCancel)
          << (::IsWindowEnabled(m_btnCancel) ? " enabled" : " disabled")
          << (m_btnCancel.m_bTamed ? " tamed" : " untamed") << "\n  picture "
          << IconName(m_staticIcon.SendMessage(STM_GETICON)) << " " << Describe(m_staticIcon)
          << "\n";
    if (std::exchange(m_strLastState, state.str()) != state.str()) m_transcript << state.str();
  }

  std::string m_strScript;
  std::string m_strLastState;
  int m_nPaints = 0;
};

const std::pair<const char*, std::string> kScripts[] = {
    {"undisturbed", std::string(170, 't')},
    {"skip in each phase", "ttntntntnt"},
    {"reveal in the countdown, among other timers", "otoxt"},
    {"reveal in the typing", std::string(18, 't') + "x"},
    {"reveal in the formatting, twice", "ntnttttxx"}};

TEST(Transcript, EachScriptEndsWithOK) {
  std::ofstream transcript("out/transcript.golden", std::ios::binary);
  for (const auto& [name, steps] : kScripts) {
    CScriptedDlg dlg(steps);
    EXPECT_EQ(dlg.DoModal(), IDOK) << name;
    transcript << "== " << name << "\n" << dlg.m_transcript.str();
  }
  EXPECT_TRUE(transcript.flush()) << "out/transcript.golden could not be written";
}

}  // namespace
