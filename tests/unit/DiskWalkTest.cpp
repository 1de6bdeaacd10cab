// The list of large files and the reads behind the progress line, on scratch directories.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/FormatDlg.h"

namespace {

class CListingDlg : public CFormatDlg {
public:
  using CFormatDlg::CollectFilesIn;
  using CFormatDlg::ReadNextFile;

  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    for (int i = 0; i < m_arrFiles.GetSize(); ++i) files.push_back(m_arrFiles[i].operator LPCSTR());
    return files;
  }
};

// Entry names, without "." and "..", in the order the platform lists them.
std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((dir + "\\*").c_str(), &data);
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &data))
    if (data.cFileName[0] != '.') names.push_back(dir + "\\" + data.cFileName);
  ::FindClose(find);
  return names;
}

// Names and sizes of files; size -1 is a subdirectory.
using Entries = std::vector<std::pair<std::string, long>>;

struct ScratchDirectory {
  explicit ScratchDirectory(const Entries& entries) {
    char temp[MAX_PATH];
    ::GetTempFileNameA((::GetTempPathA(MAX_PATH, temp), temp), "walk", 0, temp);
    ::DeleteFileA(temp);
    ::CreateDirectoryA(path.assign(temp).c_str(), nullptr);
    for (const auto& [name, size] : entries) {
      const std::string full = path + "\\" + name;
      if (size < 0 && ::CreateDirectoryA(full.c_str(), nullptr)) continue;
      HANDLE file = ::CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
      ::SetFilePointer(file, size, nullptr, FILE_BEGIN);
      ::SetEndOfFile(file);
      ::CloseHandle(file);
    }
  }
  ~ScratchDirectory() {
    for (const std::string& entry : Listing(path))
      if (!::DeleteFileA(entry.c_str())) ::RemoveDirectoryA(entry.c_str());
    ::RemoveDirectoryA(path.c_str());
  }
  std::string path;
};

struct WalkCase {
  const char* name;
  Entries entries;          // those named "big*" qualify
  const char* walked = "";  // below the scratch directory
};

class DiskWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(DiskWalkTest, ListsTheFirstHundredLargeFilesInListingOrder) {
  ScratchDirectory dir(GetParam().entries);
  const std::string walked = dir.path + GetParam().walked;
  std::vector<std::string> expected;
  for (const std::string& path : Listing(walked))
    if (path.find("\\big") != std::string::npos && expected.size() < 100) expected.push_back(path);
  CListingDlg dlg;
  dlg.CollectFilesIn(walked.c_str());
  ASSERT_EQ(dlg.Files(), expected);
  // Each read uses up the first path, whether or not the file opens.
  ASSERT_TRUE(expected.size() < 2 || ::DeleteFileA(expected[1].c_str()));
  for (dlg.ReadNextFile(); !expected.empty(); dlg.ReadNextFile()) {
    expected.erase(expected.begin());
    ASSERT_EQ(dlg.Files(), expected);
  }
}

Entries ManyLargeFiles() {
  Entries entries;
  for (int i = 0; i < 103; ++i) entries.push_back({"big" + std::to_string(i), 50000 + i});
  for (int i = 0; i < 10; ++i) entries.push_back({"small" + std::to_string(i), 1000});
  return entries;
}

INSTANTIATE_TEST_SUITE_P(
    Directories, DiskWalkTest,
    ::testing::Values(
        WalkCase{"Threshold",
                 {{"big-exact", 50000}, {"small", 49999}, {"big-more", 1 << 20}, {"dir", -1}}},
        WalkCase{"AHundredAtMost", ManyLargeFiles()},
        WalkCase{"OnlyTheLastEntry", {{"big", 50000}}}, WalkCase{"Empty", {}},
        WalkCase{"Missing", {{"big", 50000}}, "\\missing"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
