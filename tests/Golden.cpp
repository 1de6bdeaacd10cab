#include "Golden.h"

#include <gtest/gtest.h>

#include <fstream>

static bool g_bRecording = false;

std::string Golden(const std::string& path, const std::string& actual) {
  if (g_bRecording && !(std::ofstream(path, std::ios::binary) << actual))
    ADD_FAILURE() << "could not write " << path;
  else if (g_bRecording)
    std::printf("recorded: review and commit %s\n", path.c_str());
  return ReadWhole(path);
}

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  std::string text(file ? static_cast<size_t>(file.tellg()) : 0, '\0');
  return file.seekg(0).read(&text[0], static_cast<std::streamsize>(text.size())) ? text : "";
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  g_bRecording = argc > 1 && std::string(argv[argc - 1]) == "--record";
  if (g_bRecording && std::getenv("CI")) return std::puts("CI: nothing is recorded"), 1;
  const int failed = RUN_ALL_TESTS();
  return failed || !g_bRecording ? failed : 77;
}
