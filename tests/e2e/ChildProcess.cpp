#include "ChildProcess.h"

#include <cstring>
#include <vector>

#include "Wait.h"

namespace {
std::vector<char> EnvironmentWith(const std::vector<std::string>& extra) {
  std::vector<char> block;
  char* current = ::GetEnvironmentStringsA();
  for (const char* entry = current; *entry; entry += std::strlen(entry) + 1) {
    block.insert(block.end(), entry, entry + std::strlen(entry) + 1);
  }
  ::FreeEnvironmentStringsA(current);
  for (const std::string& entry : extra)
    block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
  block.push_back('\0');
  return block;
}
}  // namespace

ChildProcess::ChildProcess(const std::string& path,
                           const std::vector<std::string>& extraEnvironment) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::vector<char> commandLine(path.begin(), path.end());
  commandLine.insert(commandLine.begin(), '"');
  commandLine.push_back('"');
  commandLine.push_back('\0');
  std::vector<char> environment;
  if (!extraEnvironment.empty()) environment = EnvironmentWith(extraEnvironment);
  if (!::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        environment.empty() ? nullptr : environment.data(), nullptr, &startup,
                        &info)) {
    return;
  }
  ::CloseHandle(info.hThread);
  m_process = info.hProcess;
  m_processId = info.dwProcessId;
  m_threadId = info.dwThreadId;
}

ChildProcess::~ChildProcess() {
  if (!m_process) return;
  if (Running()) {
    ::TerminateProcess(m_process, 1);
    ::WaitForSingleObject(m_process, 10000);
  }
  ::CloseHandle(m_process);
}

bool ChildProcess::Running() const {
  return m_process && ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(double timeoutSeconds) const {
  if (!m_process) return false;
  return ::WaitForSingleObject(m_process, static_cast<DWORD>(timeoutSeconds * 1000)) ==
         WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (m_process) ::GetExitCodeProcess(m_process, &code);
  return code;
}

namespace {
struct WindowSearch {
  DWORD processId;
  bool dialogOnly;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  if (search->visibleOnly && !::IsWindowVisible(window)) return TRUE;
  if (search->dialogOnly) {
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770") return TRUE;
  }
  search->found = window;
  return FALSE;
}
}  // namespace

HWND FindDialogOf(DWORD processId, bool visibleOnly) {
  WindowSearch search{processId, true, visibleOnly, nullptr};
  ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildProcess::FindMainWindow() const {
  WindowSearch search{m_processId, false, true, nullptr};
  ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildProcess::WaitForMainWindow(double timeoutSeconds) const {
  HWND window = nullptr;
  WaitUntil(timeoutSeconds, [&] { return (window = FindMainWindow()) != nullptr; });
  return window;
}
