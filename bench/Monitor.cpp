// Starts a dialog program and measures it from outside, the same way for
// velmora and the baseline: the time from process start to the first paint of
// its window, and its peak working set once its window takes its final caption
// (velmora's gotcha, or the baseline's when its ticks are done).
// usage: velmora_monitor EXE final|-
// prints: startup_ms=... peak_working_set=...   (with "-" only the start-up,
// and the program is ended there: a warm-up start)
#include <windows.h>

#include <psapi.h>

#include <stdio.h>
#include <string.h>

#include "bench/Baseline.h"
#include "bench/Clock.h"
#include "dialog/ScreenTexts.h"

namespace {
constexpr double TIMEOUT_MS = 120000;  // velmora's whole run takes about 45 s

DWORD g_processId = 0;
HWND g_window = nullptr;  // the program's, once visible

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM) {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hWnd, &owner);
  if (owner != g_processId || !::IsWindowVisible(hWnd)) return TRUE;
  g_window = hWnd;
  return FALSE;
}

// Polls until the condition holds; false after the time-out.
template <class Condition>
bool WaitFor(Condition condition) {
  const double start = NowMs();
  while (!condition()) {
    if (NowMs() - start > TIMEOUT_MS) return false;
    ::Sleep(1);
  }
  return true;
}

int Fail(const char* what, HANDLE process) {
  fprintf(stderr, "velmora_monitor: %s\n", what);
  if (process) ::TerminateProcess(process, 1);
  return 1;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Fail("usage: velmora_monitor EXE FINAL_CAPTION|-", nullptr);
  // Wine's desktop process ends about a second after its last program; start it
  // (and keep it) here, so that neither program's start-up pays for it.
  ::GetDesktopWindow();
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double started = NowMs();
  if (!::CreateProcessA(nullptr, argv[1], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    return Fail("cannot start the program", nullptr);
  }
  ::WaitForInputIdle(process.hProcess, static_cast<DWORD>(TIMEOUT_MS));

  // Shown and with nothing left to paint: the first paint is done. (The
  // update region empties at BeginPaint, so this may end up to one paint early.)
  g_processId = process.dwProcessId;
  if (!WaitFor([] {
        g_window = nullptr;
        ::EnumWindows(&FindVisible, 0);
        return g_window && !::GetUpdateRect(g_window, nullptr, FALSE);
      })) {
    return Fail("the window was never shown and painted", process.hProcess);
  }
  printf("startup_ms=%.3f", NowMs() - started);
  if (strcmp(argv[2], "-") == 0) {
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 10000);
    return 0;
  }

  char caption[256] = "";
  if (!WaitFor([&] {
        ::GetWindowTextA(g_window, caption, sizeof caption);
        return !strcmp(caption, g_gotchaCaption) || !strcmp(caption, BASELINE_DONE_CAPTION);
      })) {
    return Fail("the window never took the final caption", process.hProcess);
  }
  PROCESS_MEMORY_COUNTERS memory{};
  if (!::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
    return Fail("cannot read the memory counters", process.hProcess);
  }
  // Both programs close on WM_CLOSE in their final state.
  ::PostMessageA(g_window, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    return Fail("the program did not close", process.hProcess);
  }
  printf(" peak_working_set=%lu\n", static_cast<unsigned long>(memory.PeakWorkingSetSize));
  return 0;
}
