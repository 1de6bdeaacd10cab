// Starts a dialog program and measures it from outside, the same way for
// velmora and the baseline: the time from process start to the first paint
// of its window, and its memory when its window takes a given caption.
//
// usage: velmora_monitor "EXE [ARGS]" FINAL_CAPTION TIMEOUT_SECONDS [hold|start]
// prints: startup_ms=... peak_working_set=... private_bytes=... working_set=...
// With "hold" it prints "final" when the caption is reached and waits for a
// line on its input before closing the program, so that the caller can take
// its own readings (Wine leaves private_bytes 0 for other processes). With
// "start" it only measures the start-up and then ends the program.
#include <windows.h>

#include <psapi.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench/Clock.h"

namespace {

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam) {
  Search* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hWnd, &owner);
  if (owner != search->processId || !::IsWindowVisible(hWnd)) return TRUE;
  search->found = hWnd;
  return FALSE;
}

HWND VisibleWindowOf(DWORD processId) {
  Search search{processId, nullptr};
  ::EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Polls until the condition holds; FALSE after the time-out.
template <class Condition>
bool WaitFor(Condition condition, double timeoutMs) {
  const double start = NowMs();
  while (!condition()) {
    if (NowMs() - start > timeoutMs) return false;
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
  const char* mode = argc == 5 ? argv[4] : "";
  if (argc < 4 || argc > 5 || (argc == 5 && strcmp(mode, "hold") && strcmp(mode, "start"))) {
    fprintf(stderr,
            "usage: velmora_monitor \"EXE [ARGS]\" FINAL_CAPTION TIMEOUT_SECONDS [hold|start]\n");
    return 2;
  }
  const double timeoutMs = 1000.0 * atof(argv[3]);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double started = NowMs();
  if (!::CreateProcessA(nullptr, argv[1], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    return Fail("cannot start the program", nullptr);
  }
  ::WaitForInputIdle(process.hProcess, static_cast<DWORD>(timeoutMs));

  // Shown and with nothing left to paint: the first paint is done. (The
  // update region empties at BeginPaint, so this may end up to one paint early.)
  HWND window = nullptr;
  if (!WaitFor(
          [&] {
            window = VisibleWindowOf(process.dwProcessId);
            return window && !::GetUpdateRect(window, nullptr, FALSE);
          },
          timeoutMs)) {
    return Fail("the window was never shown and painted", process.hProcess);
  }
  const double painted = NowMs();
  if (strcmp(mode, "start") == 0) {
    printf("startup_ms=%.3f\n", painted - started);
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 10000);
    return 0;
  }

  char caption[256] = "";
  if (!WaitFor(
          [&] {
            ::GetWindowTextA(window, caption, sizeof caption);
            return strcmp(caption, argv[2]) == 0;
          },
          timeoutMs)) {
    return Fail("the window never took the final caption", process.hProcess);
  }
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (!::GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                              sizeof memory)) {
    return Fail("cannot read the memory counters", process.hProcess);
  }

  if (strcmp(mode, "hold") == 0) {
    printf("final\n");
    fflush(stdout);
    char line[16];
    if (!fgets(line, sizeof line, stdin)) return Fail("no go-ahead on the input", process.hProcess);
  }

  // Both programs close on WM_CLOSE in their final state.
  ::PostMessageA(window, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    return Fail("the program did not close", process.hProcess);
  }
  printf("startup_ms=%.3f peak_working_set=%lu private_bytes=%lu working_set=%lu\n",
         painted - started, static_cast<unsigned long>(memory.PeakWorkingSetSize),
         static_cast<unsigned long>(memory.PrivateUsage),
         static_cast<unsigned long>(memory.WorkingSetSize));
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return 0;
}
