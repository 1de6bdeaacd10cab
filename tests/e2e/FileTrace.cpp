#include "FileTrace.h"

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {
constexpr unsigned long kWriteAccess = 0x40000000ul     // GENERIC_WRITE
                                       | 0x10000000ul   // GENERIC_ALL
                                       | 0x00000002ul   // FILE_WRITE_DATA
                                       | 0x00000004ul   // FILE_APPEND_DATA
                                       | 0x00000010ul   // FILE_WRITE_EA
                                       | 0x00000100ul   // FILE_WRITE_ATTRIBUTES
                                       | 0x00010000ul;  // DELETE

std::string Field(const std::string& line, const char* name) {
  const size_t at = line.find(name);
  if (at == std::string::npos) return "";
  const size_t from = at + std::strlen(name);
  return line.substr(from, line.find(' ', from) - from);
}

// L"\\??\\C:\\x" as traced, back to \??\C:\x.
std::string TracedName(const std::string& line) {
  const size_t at = line.find("name=L\"");
  if (at == std::string::npos) return "";
  std::string name;
  for (size_t i = at + 7; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) ++i;
    name += line[i];
  }
  return name;
}
}  // namespace

bool OpenCall::ForWriting() const { return (access & kWriteAccess) != 0 || disposition != 1; }

std::vector<OpenCall> OpensOfProcess(const std::string& trace, DWORD processId) {
  std::vector<OpenCall> opens;
  std::istringstream lines(trace);
  std::string line;
  while (std::getline(lines, line)) {
    // 1234.567:0120:0124:trace:file:NtCreateFile handle=... access=... name=L"..."
    const size_t call = line.find(":trace:file:Nt");
    if (call == std::string::npos) continue;
    const std::string function = line.substr(call + 12, line.find(' ', call) - call - 12);
    if (function != "NtCreateFile" && function != "NtOpenFile") continue;
    char* end = nullptr;
    OpenCall open;
    open.time = std::strtod(line.c_str(), &end);
    if (*end != ':') continue;
    const unsigned long process = std::strtoul(end + 1, &end, 16);
    if (*end != ':' || process != processId) continue;
    open.thread = std::strtoul(end + 1, &end, 16);
    open.path = TracedName(line);
    open.access = std::strtoul(Field(line, "access=").c_str(), nullptr, 16);
    const std::string disposition = Field(line, "disp=");
    if (!disposition.empty()) open.disposition = std::atoi(disposition.c_str());
    opens.push_back(open);
  }
  return opens;
}
