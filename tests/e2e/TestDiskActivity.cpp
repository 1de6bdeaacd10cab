// The disk activity behind the progress line, seen from outside: the program
// runs with Wine's file trace, which the driver then reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>

#include "FileTrace.h"
#include "Options.h"
#include "Session.h"
#include "Wait.h"

namespace {
std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string SystemDirectory() {
  char directory[MAX_PATH] = {};
  ::GetSystemDirectoryA(directory, MAX_PATH);
  return directory;
}

// What the formatting screen should read: the system directory's files of
// at least 50,000 bytes, in listing order, at most 100.
std::vector<std::string> LargeSystemFiles() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((SystemDirectory() + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (entry.nFileSizeHigh == 0 && entry.nFileSizeLow < 50000) continue;
    names.push_back(Lower(entry.cFileName));
  } while (names.size() < 100 && ::FindNextFileA(find, &entry));
  ::FindClose(find);
  return names;
}

// In one read: the driver's own reads land in the same trace.
std::string ReadWholeFile(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text(::GetFileSize(file, nullptr), '\0');
  DWORD got = 0;
  if (!text.empty()) ::ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &got, nullptr);
  ::CloseHandle(file);
  text.resize(got);
  return text;
}
}  // namespace

TEST(DiskActivity, FormattingReadsEachLargeSystemFileOnceAndNothingIsWritten) {
  if (Options().fileTrace.empty()) GTEST_SKIP() << "no Wine file trace (--file-trace)";
  const std::string systemDir = Lower("\\??\\" + SystemDirectory() + "\\");
  const std::vector<std::string> expected = LargeSystemFiles();
  ASSERT_FALSE(expected.empty());

  Session run;
  ASSERT_TRUE(run.Started());
  ASSERT_TRUE(run.WaitForFirstScreen());
  Observer& watch = run.Watch();
  ASSERT_TRUE(watch.WaitForScreen(Kind::Typing, 3, run.Skip()));
  // The skip ends the typing at the next tick, which reads the first file.
  const double formattingFrom = ::GetTickCount() / 1000.0;
  const double skipped = run.Skip();
  ASSERT_TRUE(watch.WaitForScreen(Kind::Progress, 2, skipped));
  ASSERT_TRUE(watch.WaitForScreen(Kind::Gotcha, 25, skipped));
  const double formattingTo = ::GetTickCount() / 1000.0;
  run.TryToClose(CloseWay::Enter);
  ASSERT_TRUE(run.Process().WaitForExit(5));

  const std::vector<OpenCall> opens =
      OpensOfProcess(ReadWholeFile(Options().fileTrace), run.Process().ProcessId());
  ASSERT_FALSE(opens.empty()) << "no opens of the program in " << Options().fileTrace;

  std::vector<std::string> read;
  std::map<std::string, int> times;
  int otherOpens = 0;
  for (const OpenCall& open : opens) {
    EXPECT_FALSE(open.ForWriting()) << open.path << " access " << std::hex << open.access
                                    << " disposition " << open.disposition;
    if (open.time < formattingFrom || open.time > formattingTo) continue;
    const std::string path = Lower(open.path);
    if (path.compare(0, systemDir.size(), systemDir) != 0 ||
        path.find('\\', systemDir.size()) != std::string::npos) {
      ++otherOpens;
      continue;
    }
    const std::string name = path.substr(systemDir.size());
    read.push_back(name);
    ++times[name];
  }
  std::printf(
      "opens by the program: %zu in all; during formatting %zu system files read-only, %d other\n",
      opens.size(), read.size(), otherOpens);
  for (const auto& file : times)
    EXPECT_EQ(file.second, 1) << file.first << " opened more than once";
  EXPECT_EQ(read, expected);
  EXPECT_LE(read.size(), 100u);
}
