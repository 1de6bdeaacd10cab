// The list of large files and the reads behind the progress line, on scratch folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dialog/FormatDlg.h"

namespace {

struct CListingDlg : CFormatDlg {
  using CFormatDlg::CollectFilesIn;
  using CFormatDlg::ReadNextFile;

  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    for (int i = 0; i < m_arrFiles.GetSize(); ++i) files.push_back(m_arrFiles[i].operator LPCSTR());
    return files;
  }
};

// Names and sizes of a scratch directory's files; those named "big*" qualify. The second holds one,
// which comes last in the listing, after "." and "..".
TEST(DiskWalk, ListsTheLargeFilesInListingOrder) {
  using Entries = std::vector<std::pair<std::string, long>>;
  const std::filesystem::path dir = "walk";  // in the suite's own folder
  for (const Entries& entries :
       {Entries{{"big-exact", 50000}, {"small", 49999}, {"big-more", 1 << 20}},
        Entries{{"big", 50000}}}) {
    std::filesystem::remove_all(dir);  // what an earlier run left
    std::filesystem::create_directory(dir);
    for (const auto& [name, size] : entries)
      if (!(std::ofstream(dir / name, std::ios::binary) << std::string(size, '.'))) FAIL() << name;
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
  }
}

}  // namespace
