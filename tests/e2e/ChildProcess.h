// A program the driver starts and ends itself: velmora.exe or the idle program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ChildProcess {
public:
  // `extraEnvironment` holds NAME=value entries added to the driver's own.
  explicit ChildProcess(const std::string& path,
                        const std::vector<std::string>& extraEnvironment = {});
  ~ChildProcess();  // ends the process if it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return m_process != nullptr; }
  DWORD ProcessId() const { return m_processId; }
  DWORD ThreadId() const { return m_threadId; }
  bool Running() const;
  bool WaitForExit(double timeoutSeconds) const;
  DWORD ExitCode() const;

  // The visible top-level window of the process, or null.
  HWND FindMainWindow() const;
  HWND WaitForMainWindow(double timeoutSeconds) const;

private:
  HANDLE m_process = nullptr;
  DWORD m_processId = 0;
  DWORD m_threadId = 0;
};

// The process's top-level dialog window, visible or not; null if none.
HWND FindDialogOf(DWORD processId, bool visibleOnly);

// True for exit codes that Windows uses for crashes (NTSTATUS errors).
inline bool IsCrashCode(DWORD code) { return code >= 0xC0000000u; }
