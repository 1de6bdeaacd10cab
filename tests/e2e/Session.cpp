#include "Session.h"

#include "Input.h"
#include "Options.h"

const char* NameOf(CloseWay way) {
  switch (way) {
    case CloseWay::Enter:
      return "Enter";
    case CloseWay::Escape:
      return "Esc";
    case CloseWay::AltF4:
      return "AltF4";
    case CloseWay::CloseCommand:
      return "CloseCommand";
    case CloseWay::WhewClick:
      return "WhewClick";
  }
  return "?";
}

namespace {
// The pointer rests in a corner before the program starts: left where an
// earlier run's button stood, it would make the new button jump at once.
std::unique_ptr<Observer> ObserverWithPointerParked() {
  MoveCursor(POINT{0, 0});
  return std::make_unique<Observer>();
}
}  // namespace

Session::Session(const std::vector<std::string>& extraEnvironment)
    : m_observer(ObserverWithPointerParked()), m_process(Options().program, extraEnvironment) {
  if (m_process.Started()) m_observer->Start(m_process.ProcessId(), m_process.ThreadId());
}

bool Session::WaitForFirstScreen(Span* found, double timeoutSeconds) {
  Span span;
  if (!m_observer->WaitForScreen(Kind::Countdown, timeoutSeconds, 0, &span)) return false;
  m_window = span.first.window;
  if (found) *found = span;
  return true;
}

double Session::PressHotKey(WORD letter) {
  BringToFront(m_window);
  const double before = m_observer->Now();
  PressChord({VK_CONTROL, VK_MENU, VK_SHIFT, letter});
  return before;
}

double Session::TryToClose(CloseWay way) {
  BringToFront(m_window);
  const double before = m_observer->Now();
  switch (way) {
    case CloseWay::Enter:
      PressKey(VK_RETURN);
      break;
    case CloseWay::Escape:
      PressKey(VK_ESCAPE);
      break;
    case CloseWay::AltF4:
      PressChord({VK_MENU, VK_F4});
      break;
    case CloseWay::CloseCommand:
      ::PostMessageA(m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case CloseWay::WhewClick: {
      RECT button{};
      ::GetWindowRect(::GetDlgItem(m_window, kButtonId), &button);
      LeftClick(CentreOf(button));
      break;
    }
  }
  return before;
}

std::string SkippedRun() {
  Session run;
  if (!run.Started()) return "velmora.exe did not start";
  if (!run.WaitForFirstScreen()) return "no countdown screen";
  Observer& watch = run.Watch();
  const struct {
    Kind next;
    double timeout;
  } steps[] = {{Kind::Typing, 3.0}, {Kind::Progress, 2.0}, {Kind::Gotcha, 2.0}};
  for (const auto& step : steps) {
    const double pressed = run.Skip();
    if (!watch.WaitForScreen(step.next, step.timeout, pressed)) {
      return "skip did not reach " + Describe(Screen{step.next, 0, false}) + "; showing " +
             Describe(watch.Latest().screen);
    }
  }
  run.TryToClose(CloseWay::Enter);
  if (!run.Process().WaitForExit(5)) return "did not close at the gotcha";
  if (IsCrashCode(run.Process().ExitCode())) return "crashed on closing";
  return "";
}
