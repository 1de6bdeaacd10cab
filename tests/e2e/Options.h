// Command-line settings of the end-to-end driver.
#pragma once

#include <string>

struct E2eOptions {
  std::string program;         // the velmora.exe under test
  std::string idleProgram;     // a trivial program: what Wine alone does to the drive
  std::string soundDir;        // where the ALSA file capture lands; empty when absent
  std::string fileTrace;       // Wine's file trace of this driver's process tree; or empty
  std::string drive = "C:\\";  // root of the harmlessness snapshots
};

const E2eOptions& Options();

// Parses and removes the driver's own --name=value arguments.
void ParseOptions(int& argc, char** argv);

// "/unix/path" becomes "Z:\unix\path" (Wine maps / to Z:); others stay as given.
std::string ToWindowsPath(const std::string& path);
