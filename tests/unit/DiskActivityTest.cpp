// The list of large files and the reads behind the progress line, on
// directories the tests build themselves.
#include <string>
#include <vector>

#include "tests/unit/TempDirectory.h"
#include "tests/unit/TestFormatDlg.h"

namespace {

std::vector<std::string> Listed(const TestFormatDlg& dlg) {
  std::vector<std::string> out;
  for (int i = 0; i < dlg.m_arrFiles.GetSize(); ++i) {
    out.push_back(static_cast<const char*>(dlg.m_arrFiles[i]));
  }
  return out;
}

// The paths of the named files in the order the platform lists them.
std::vector<std::string> InListingOrder(const TempDirectory& dir,
                                        const std::vector<std::string>& names) {
  std::vector<std::string> out;
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((dir.Path() + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return out;
  do {
    for (const auto& name : names) {
      if (name == data.cFileName) out.push_back(dir.Path() + "\\" + name);
    }
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
  return out;
}

FILETIME LastWrite(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

}  // namespace

class DiskActivityTest : public DialogTest {
protected:
  void Collect(const std::string& directory) {
    dlg.m_arrFiles.RemoveAll();
    dlg.CollectFilesIn(directory.c_str());
  }
  TempDirectory dir;
};

TEST_F(DiskActivityTest, SystemDirectoryGivesAHundredLargeFiles) {
  char system[MAX_PATH];
  ::GetSystemDirectoryA(system, MAX_PATH);
  ASSERT_EQ(dlg.m_arrFiles.GetSize(), 100);
  for (const auto& path : Listed(dlg)) {
    EXPECT_EQ(path.rfind(std::string(system) + "\\", 0), 0u) << path;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) << path;
    EXPECT_GE(data.nFileSizeLow, 50000u) << path;
    EXPECT_FALSE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) << path;
  }
}

struct SizeCase {
  size_t size;
  bool listed;
};

TEST_F(DiskActivityTest, ThresholdIsFiftyThousandBytesInclusive) {
  const std::vector<SizeCase> cases = {{0, false},    {1, false},    {49999, false}, {50000, true},
                                       {50001, true}, {65536, true}, {1 << 20, true}};
  std::vector<std::string> expected;
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::string name = "f" + std::to_string(i) + ".bin";
    dir.File(name, cases[i].size);
    if (cases[i].listed) expected.push_back(name);
  }
  dir.Directory("big-looking-directory");
  Collect(dir.Path());
  EXPECT_EQ(Listed(dlg), InListingOrder(dir, expected));
}

TEST_F(DiskActivityTest, StopsAtAHundredInListingOrder) {
  std::vector<std::string> names;
  for (int i = 0; i < 103; ++i) {
    names.push_back("big" + std::to_string(i) + ".bin");
    dir.File(names.back(), 50000);
    if (i % 10 == 0) dir.File("small" + std::to_string(i) + ".bin", 100);
  }
  Collect(dir.Path());
  std::vector<std::string> firstHundred = InListingOrder(dir, names);
  firstHundred.resize(100);
  EXPECT_EQ(Listed(dlg), firstHundred);
}

TEST_F(DiskActivityTest, EmptyOrMissingDirectoryGivesNoFiles) {
  Collect(dir.Path());
  EXPECT_EQ(dlg.m_arrFiles.GetSize(), 0);
  Collect(dir.Path() + "\\missing");
  EXPECT_EQ(dlg.m_arrFiles.GetSize(), 0);
}

TEST_F(DiskActivityTest, FormattingRunsOnAfterAShortListEnds) {
  for (int i = 0; i < 3; ++i) dir.File("big" + std::to_string(i) + ".bin", 60000);
  Collect(dir.Path());
  ASSERT_EQ(dlg.m_arrFiles.GetSize(), 3);
  AdvanceTo(2, 10);
  EXPECT_EQ(dlg.m_arrFiles.GetSize(), 0);
  const std::string progress = "Formatting:  10 percent completed.";
  ASSERT_GE(dlg.Screen().size(), progress.size());
  EXPECT_EQ(dlg.Screen().substr(dlg.Screen().size() - progress.size()), progress);
}

TEST_F(DiskActivityTest, ReadsConsumeThePathEvenWhenTheFileWillNotOpen) {
  const std::string locked = dir.File("locked.bin", 60000);
  const std::string gone = dir.File("gone.bin", 60000);
  const std::string plain = dir.File("plain.bin", 60000);
  Collect(dir.Path());
  ASSERT_EQ(dlg.m_arrFiles.GetSize(), 3);
  const std::vector<std::string> order = Listed(dlg);

  HANDLE exclusive = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(::DeleteFileA(gone.c_str()));
  const FILETIME plainBefore = LastWrite(plain);

  for (int i = 0; i < 3; ++i) {
    dlg.ReadNextFile();
    EXPECT_EQ(Listed(dlg), std::vector<std::string>(order.begin() + i + 1, order.end()));
  }
  ::CloseHandle(exclusive);
  dlg.ReadNextFile();  // an empty list is no error
  EXPECT_EQ(dlg.m_arrFiles.GetSize(), 0);

  const FILETIME plainAfter = LastWrite(plain);
  EXPECT_EQ(CompareFileTime(&plainBefore, &plainAfter), 0) << "reading never writes";
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(::GetFileAttributesExA(plain.c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.nFileSizeLow, 60000u);
}
