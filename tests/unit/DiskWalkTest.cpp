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

// Entry paths, in the order the platform lists them.
std::vector<std::string> Listing(const std::filesystem::path& dir) {
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    paths.push_back(entry.path().string());
  return paths;
}

// Names and sizes of files; size -1 is a subdirectory.
using Entries = std::vector<std::pair<std::string, long>>;

struct ScratchDirectory {
  explicit ScratchDirectory(const Entries& entries) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directory(path);
    for (const auto& [name, size] : entries) {
      if (size < 0) std::filesystem::create_directory(path / name);
      if (size >= 0) std::ofstream(path / name, std::ios::binary) << std::string(size, '.');
    }
  }
  ~ScratchDirectory() { std::filesystem::remove_all(path); }
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "velmora-walk";
};

using WalkCase = std::pair<const char*, Entries>;  // those named "big*" qualify

class DiskWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(DiskWalkTest, ListsTheLargeFilesInListingOrder) {
  ScratchDirectory dir(GetParam().second);
  std::vector<std::string> expected;
  for (const std::string& path : Listing(dir.path))
    if (path.find("\\big") != std::string::npos) expected.push_back(path);
  CListingDlg dlg;
  dlg.CollectFilesIn(dir.path.string().c_str());
  ASSERT_EQ(dlg.Files(), expected);
  // Each read uses up the first path, whether or not the file opens.
  ASSERT_TRUE(expected.size() < 2 || ::DeleteFileA(expected[1].c_str()));
  for (dlg.ReadNextFile(); !expected.empty(); dlg.ReadNextFile()) {
    expected.erase(expected.begin());
    ASSERT_EQ(dlg.Files(), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Directories, DiskWalkTest,
    ::testing::Values(
        WalkCase{"Threshold",
                 {{"big-exact", 50000}, {"small", 49999}, {"big-more", 1 << 20}, {"dir", -1}}},
        WalkCase{"OnlyTheLastEntry", {{"big", 50000}}}, WalkCase{"Empty", {}}),
    [](const auto& info) { return std::string(info.param.first); });

}  // namespace
