#include "Golden.h"

#include <gtest/gtest.h>

#include <fstream>

static bool g_bRecording = false;

void RecordGolden(const std::string& path, const std::string& actual) {
  if (!g_bRecording) return;
  if (std::ofstream(path, std::ios::binary) << actual)
    std::printf("recorded: review and commit %s\n", path.c_str());
  else
    ADD_FAILURE() << "could not write " << path;
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  g_bRecording = argc > 1 && std::string(argv[argc - 1]) == "--record";
  if (g_bRecording && std::getenv("CI")) return std::puts("CI: nothing is recorded"), 1;
  const int failed = RUN_ALL_TESTS();
  return failed || !g_bRecording ? failed : 77;
}
