// Plays short scripts of timer ticks and hot-key commands on the real dialog,
// run modally, and writes down every screen and every change of the window's
// state. The transcript must match the reviewed transcript.golden;
// VELMORA_RECORD=1 writes it anew first, for review.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <string>

#include "dialog/FormatDlg.h"
#include "res/resource.h"

namespace {

std::string Quoted(const char* text) {
  std::string out = "\"";
  for (; *text; ++text) out += *text == '\n' ? std::string("\\n") : std::string(1, *text);
  return out + "\"";
}

std::string Text(HWND window) {
  char text[256] = "";
  ::GetWindowTextA(window, text, sizeof text);
  return Quoted(text);
}

std::string IconName(HICON icon) {
  const HINSTANCE self = ::GetModuleHandleA(nullptr);
  const struct {
    HICON icon;
    const char* name;
  } kKnown[] = {{::LoadIconA(self, MAKEINTRESOURCEA(IDR_MAINFRAME)), "drive"},
                {::LoadIconA(self, MAKEINTRESOURCEA(IDI_DOS_PROMPT)), "prompt"},
                {::LoadIconA(self, MAKEINTRESOURCEA(IDI_GOTCHA)), "smiley"},
                {::LoadIconA(nullptr, IDI_HAND), "stop"}};
  for (const auto& known : kKnown) {
    if (icon == known.icon) return known.name;
  }
  return icon ? "unknown" : "none";
}

// Visibility, the window rectangle (on the screen for a top-level window, in
// the parent's client area for a control) and the client area's size.
std::string Place(HWND window) {
  RECT rect, client;
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  ::GetClientRect(window, &client);
  std::ostringstream out;
  out << (::IsWindowVisible(window) ? "shown" : "hidden") << " at " << rect.left << "," << rect.top
      << " size " << rect.right - rect.left << "x" << rect.bottom - rect.top << " client "
      << client.right << "x" << client.bottom;
  return out.str();
}

class CScriptedDlg : public CFormatDlg {
public:
  explicit CScriptedDlg(const std::string& script) : m_script(script) {}
  std::ostringstream transcript;

protected:
  BOOL OnInitDialog() override {
    const BOOL result = CFormatDlg::OnInitDialog();
    Note("init");
    ::PostMessageA(m_hWnd, WM_APP, 0, 0);  // the script runs once the dialog shows
    return result;
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_PAINT) ++m_nPaints;
    if (message == WM_TIMER && wParam == IDT_SEQUENCE && m_bScriptDone) ++m_nLateTicks;
    if (message != WM_APP) return CFormatDlg::WindowProc(message, wParam, lParam);
    UpdateWindow();
    Note("shown");
    RunScript();
    return 0;
  }

private:
  // Tokens: t a tick, o a timer message of another timer, n the skip
  // command, x the reveal command; a count before a token repeats it.
  void RunScript() {
    const struct {
      char token;
      UINT message;
      WPARAM wParam;
    } kSteps[] = {{'t', WM_TIMER, IDT_SEQUENCE},
                  {'o', WM_TIMER, IDT_SEQUENCE + 1},
                  {'n', WM_COMMAND, ID_SKIP_PHASE},
                  {'x', WM_COMMAND, ID_REVEAL_NOW}};
    std::istringstream tokens(m_script);
    for (std::string token; tokens >> token;) {
      for (int i = token.size() > 1 ? atoi(token.c_str()) : 1; i > 0; --i) {
        for (const auto& step : kSteps) {
          if (step.token == token.back()) SendMessage(step.message, step.wParam);
        }
        Note(std::string(1, token.back()));
      }
    }
    // A stopped timer sends nothing more; a running one would within 0.5 s.
    m_bScriptDone = TRUE;
    for (const DWORD end = ::GetTickCount() + 500; ::GetTickCount() < end;) {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      MSG msg;
      while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    transcript << "timer messages in the next 0.5 s: " << m_nLateTicks << "\n";
    EndDialog(IDOK);
  }

  // One line per step; the window's state only when it changed.
  void Note(const std::string& step) {
    transcript << step << " -> phase " << m_nPhase << " tick " << m_nTicks << " files "
               << m_arrFiles.GetSize() << " paints " << m_nPaints << " " << Quoted(m_strScreen)
               << "\n";
    m_nPaints = 0;
    const HMENU menu = GetSystemMenu(FALSE);
    const HWND focus = ::GetFocus();
    std::ostringstream state;
    state << "  window " << Text(m_hWnd) << " " << Place(m_hWnd) << " icons "
          << IconName(reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_BIG))) << "/"
          << IconName(reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL))) << " close "
          << (::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED ? "grey" : "on") << " focus "
          << (focus == m_hWnd               ? "dialog"
              : focus == m_btnCancel.m_hWnd ? "button"
                                            : "elsewhere")
          << "\n  button " << Text(m_btnCancel) << " " << Place(m_btnCancel)
          << (::IsWindowEnabled(m_btnCancel) ? " enabled" : " disabled")
          << (m_btnCancel.m_bTamed ? " tamed" : " untamed") << "\n  picture "
          << IconName(reinterpret_cast<HICON>(m_staticIcon.SendMessage(STM_GETICON))) << " "
          << Place(m_staticIcon) << "\n";
    if (state.str() != m_strLastState) transcript << state.str();
    m_strLastState = state.str();
  }

  std::string m_script;
  std::string m_strLastState;
  int m_nPaints = 0;
  int m_nLateTicks = 0;
  BOOL m_bScriptDone = FALSE;
};

// Each script: its name and its steps.
const char* const kScripts[][2] = {{"undisturbed", "170t"},
                                   {"skip in each phase", "2t n t n t n t n t"},
                                   {"reveal in the countdown", "2t x t"},
                                   {"reveal in the typing", "14t 4t x"},
                                   {"reveal in the formatting, twice", "n t n t 3t x x"},
                                   {"other timers", "o t o x"}};

TEST(Transcript, MatchesTheReviewedGolden) {
  std::string transcript;
  for (const auto& script : kScripts) {
    CScriptedDlg dlg(script[1]);
    dlg.DoModal();
    transcript += std::string("== ") + script[0] + ": " + script[1] + "\n" + dlg.transcript.str();
  }
  if (getenv("VELMORA_RECORD")) std::ofstream(VELMORA_GOLDEN, std::ios::binary) << transcript;
  std::ifstream want(VELMORA_GOLDEN, std::ios::binary);
  std::istringstream got(transcript);
  for (int line = 1; want.good() || got.good(); ++line) {
    std::string wanted, actual;
    std::getline(want, wanted);
    std::getline(got, actual);
    ASSERT_EQ(wanted, actual) << VELMORA_GOLDEN " line " << line;
  }
}

}  // namespace
