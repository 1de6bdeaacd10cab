// Reads Wine's own file trace (WINEDEBUG=+timestamp,+pid,+file) and picks out
// what one process opened. Under Wine the server opens files on behalf of
// its clients, so this trace, not strace on the client, shows them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct OpenCall {
  double time = 0;  // seconds of the tick count, as GetTickCount
  DWORD thread = 0;
  std::string path;  // as the program named it: \??\C:\...
  unsigned long access = 0;
  int disposition = 1;  // FILE_OPEN unless the call says otherwise
  bool ForWriting() const;
};

std::vector<OpenCall> OpensOfProcess(const std::string& trace, DWORD processId);
