// The list of large files and the reads behind the progress line, on
// directories the test builds itself.
#include <gtest/gtest.h>
#include <windows.h>

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

// A scratch directory; entries of size -1 are subdirectories.
struct Entry {
  std::string name;
  long size;
};

class ScratchDirectory {
public:
  explicit ScratchDirectory(const std::vector<Entry>& entries) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    path = temp + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++s_count);
    ::CreateDirectoryA(path.c_str(), nullptr);
    for (const Entry& entry : entries) {
      const std::string full = path + "\\" + entry.name;
      if (entry.size < 0) {
        ::CreateDirectoryA(full.c_str(), nullptr);
        continue;
      }
      HANDLE file =
          ::CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      ::SetFilePointer(file, entry.size, nullptr, FILE_BEGIN);
      ::SetEndOfFile(file);
      ::CloseHandle(file);
    }
  }
  ~ScratchDirectory() {
    for (const std::string& entry : Listing()) {
      const std::string full = path + "\\" + entry;
      ::DeleteFileA(full.c_str()) || ::RemoveDirectoryA(full.c_str());
    }
    ::RemoveDirectoryA(path.c_str());
  }
  // Entry names in the order the platform lists them.
  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      if (data.cFileName[0] != '.') names.push_back(data.cFileName);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return names;
  }
  std::string path;

private:
  static inline int s_count = 0;
};

struct WalkCase {
  const char* name;
  std::vector<Entry> entries;
  const char* listedPrefix;  // listed: the names starting with it, first 100
};

class DiskWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(DiskWalkTest, ListsLargeFilesInListingOrder) {
  ScratchDirectory dir(GetParam().entries);
  std::vector<std::string> expected;
  for (const std::string& name : dir.Listing()) {
    if (name.rfind(GetParam().listedPrefix, 0) == 0 && expected.size() < 100) {
      expected.push_back(dir.path + "\\" + name);
    }
  }
  CListingDlg dlg;
  dlg.CollectFilesIn(dir.path.c_str());
  EXPECT_EQ(dlg.Files(), expected);
}

std::vector<Entry> ManyLargeFiles() {
  std::vector<Entry> entries;
  for (int i = 0; i < 103; ++i) entries.push_back({"big" + std::to_string(i), 50000 + i});
  for (int i = 0; i < 10; ++i) entries.push_back({"small" + std::to_string(i), 1000});
  return entries;
}

INSTANTIATE_TEST_SUITE_P(
    Directories, DiskWalkTest,
    ::testing::Values(
        WalkCase{"Threshold",
                 {{"big-exact", 50000}, {"small", 49999}, {"big-more", 1 << 20}, {"subdir", -1}},
                 "big"},
        WalkCase{"AHundredAtMost", ManyLargeFiles(), "big"},
        WalkCase{"LastEntryOnly", {{"big", 50000}}, "big"}, WalkCase{"Empty", {}, "big"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiskWalk, MissingDirectoryGivesNoFiles) {
  CListingDlg dlg;
  dlg.CollectFilesIn("C:\\no-such-directory");
  EXPECT_TRUE(dlg.Files().empty());
}

// Each read uses up the first path, whether or not the file opens.
TEST(DiskWalk, ReadsConsumeThePathsInOrder) {
  ScratchDirectory dir({{"big-a", 60000}, {"big-b", 60000}, {"big-c", 60000}});
  CListingDlg dlg;
  dlg.CollectFilesIn(dir.path.c_str());
  std::vector<std::string> left = dlg.Files();
  ASSERT_EQ(left.size(), 3u);
  ASSERT_TRUE(::DeleteFileA(left[1].c_str()));
  while (!left.empty()) {
    dlg.ReadNextFile();
    left.erase(left.begin());
    EXPECT_EQ(dlg.Files(), left);
  }
  dlg.ReadNextFile();  // an empty list is no error
}

}  // namespace
