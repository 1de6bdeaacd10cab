// The list of large files and the reads behind the progress line, on scratch directories.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// Names and sizes of the entries of a scratch directory (size -1: a subdirectory); those named
// "big*" qualify.
using WalkCase = std::pair<const char*, std::vector<std::pair<std::string, long>>>;

class DiskWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(DiskWalkTest, ListsTheLargeFilesInListingOrder) {
  const auto dir = std::filesystem::temp_directory_path() / "velmora-walk";
  std::filesystem::remove_all(dir);  // what an earlier failed run left
  std::filesystem::create_directory(dir);
  for (const auto& [name, size] : GetParam().second)
    if (size < 0 ? !std::filesystem::create_directory(dir / name)
                 : !(std::ofstream(dir / name, std::ios::binary) << std::string(size, '.')))
      FAIL() << name;
  std::vector<std::string> expected;
  for (const auto& entry : std::filesystem::directory_iterator(dir))  // in listing order
    if (entry.path().filename().string().rfind("big", 0) == 0)
      expected.push_back(entry.path().string());
  CListingDlg dlg;
  dlg.CollectFilesIn(dir.string().c_str());
  ASSERT_EQ(dlg.Files(), expected);
  // Each read uses up the first path, whether or not the file opens.
  ASSERT_TRUE(expected.size() < 2 || ::DeleteFileA(expected[1].c_str()));
  for (dlg.ReadNextFile(); !expected.empty(); dlg.ReadNextFile()) {
    expected.erase(expected.begin());
    ASSERT_EQ(dlg.Files(), expected);
  }
  std::filesystem::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Directories, DiskWalkTest,
    ::testing::Values(
        WalkCase{"Threshold",
                 {{"big-exact", 50000}, {"small", 49999}, {"big-more", 1 << 20}, {"dir", -1}}},
        WalkCase{"OnlyTheLastEntry", {{"big", 50000}}}, WalkCase{"Empty", {}}),
    [](const auto& info) { return std::string(info.param.first); });

}  // namespace
