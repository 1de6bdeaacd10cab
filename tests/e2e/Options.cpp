#include "Options.h"

#include <cstring>

namespace {
E2eOptions g_options;

bool Take(const char* arg, const char* name, std::string& into) {
  const size_t length = std::strlen(name);
  if (std::strncmp(arg, name, length) != 0) return false;
  into = arg + length;
  return true;
}
}  // namespace

const E2eOptions& Options() { return g_options; }

void ParseOptions(int& argc, char** argv) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    std::string value;
    if (Take(arg, "--velmora=", value)) {
      g_options.program = ToWindowsPath(value);
    } else if (Take(arg, "--idle=", value)) {
      g_options.idleProgram = ToWindowsPath(value);
    } else if (Take(arg, "--sound-dir=", value)) {
      g_options.soundDir = ToWindowsPath(value);
    } else if (Take(arg, "--file-trace=", value)) {
      g_options.fileTrace = ToWindowsPath(value);
    } else if (Take(arg, "--drive=", value)) {
      g_options.drive = ToWindowsPath(value);
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
}

std::string ToWindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string converted = "Z:" + path;
  for (char& c : converted) {
    if (c == '/') c = '\\';
  }
  return converted;
}
