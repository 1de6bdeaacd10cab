// The framework's text, array and directory-listing classes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CFileFind.h"
#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "tests/unit/TempDirectory.h"

struct FormatCase {
  const char* format;
  int value;
  const char* expected;
};

class CStringFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(CStringFormatTest, FollowsPrintfRules) {
  CString text("previous contents");
  text.Format(GetParam().format, GetParam().value);
  EXPECT_STREQ(text, GetParam().expected);
  EXPECT_EQ(text.GetLength(), static_cast<int>(strlen(GetParam().expected)));
}

INSTANTIATE_TEST_SUITE_P(Widths, CStringFormatTest,
                         ::testing::Values(FormatCase{"%3d", 0, "  0"},
                                           FormatCase{"%3d", 37, " 37"},
                                           FormatCase{"%3d", 99, " 99"},
                                           FormatCase{"%3d", 1234, "1234"},
                                           FormatCase{"in %d seconds", 9, "in 9 seconds"},
                                           FormatCase{"in %d seconds", 10, "in 10 seconds"},
                                           FormatCase{"%d", -5, "-5"}));

TEST(CStringTest, LongFormatGrowsTheBuffer) {
  CString text;
  text.Format("%0500d", 7);
  EXPECT_EQ(text.GetLength(), 500);
  EXPECT_EQ(std::string(text), std::string(499, '0') + "7");
}

TEST(CStringTest, CopiesAreIndependent) {
  CString original("abc");
  CString copy(original);
  copy += "def";
  EXPECT_STREQ(original, "abc");
  EXPECT_STREQ(copy, "abcdef");
  original.Empty();
  EXPECT_STREQ(original, "");
  EXPECT_EQ(original.GetLength(), 0);
  EXPECT_STREQ(copy, "abcdef");
}

TEST(CStringTest, AppendingItselfDoublesTheText) {
  CString text("ab");
  for (int i = 0; i < 6; ++i) text += text;
  EXPECT_EQ(text.GetLength(), 128);
  CString tail("xyz");
  tail += static_cast<const char*>(tail) + 1;
  EXPECT_STREQ(tail, "xyzyz");
}

TEST(CStringTest, AssignsFromPartOfItself) {
  CString text("hello world");
  text = static_cast<const char*>(text) + 6;
  EXPECT_STREQ(text, "world");
}

std::vector<std::string> Contents(const CStringArray& array) {
  std::vector<std::string> out;
  for (int i = 0; i < array.GetSize(); ++i) out.push_back(static_cast<const char*>(array[i]));
  return out;
}

TEST(CStringArrayTest, AppendsAndRemovesTheFirst) {
  CStringArray array;
  for (int i = 0; i < 40; ++i) array.SetAtGrow(array.GetSize(), std::to_string(i).c_str());
  ASSERT_EQ(array.GetSize(), 40);
  array.RemoveAt(0, 1);
  array.RemoveAt(0, 1);
  EXPECT_EQ(array.GetSize(), 38);
  EXPECT_STREQ(array[0], "2");
  EXPECT_STREQ(array[37], "39");
  array.RemoveAt(0, 0);
  array.RemoveAt(38, 1);
  EXPECT_EQ(array.GetSize(), 38) << "empty or out-of-range removals change nothing";
}

TEST(CStringArrayTest, SetAtGrowFillsTheGapWithEmptyTexts) {
  CStringArray array;
  array.SetAtGrow(2, "c");
  array.SetAtGrow(0, "a");
  EXPECT_EQ(Contents(array), (std::vector<std::string>{"a", "", "c"}));
}

// Walks the raw listing the way the platform orders it.
std::vector<std::string> RawListing(const std::string& directory) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((directory + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do names.push_back(data.cFileName);
  while (::FindNextFileA(find, &data));
  ::FindClose(find);
  return names;
}

TEST(CFileFindTest, VisitsEveryEntryIncludingTheLast) {
  TempDirectory dir;
  dir.File("small.bin", 10);
  dir.File("large.bin", 70000);
  dir.Directory("sub");

  std::vector<std::string> visited;
  CFileFind finder;
  ASSERT_TRUE(finder.FindFile((dir.Path() + "\\*").c_str(), 0));
  BOOL more = TRUE;
  while (more) {
    more = finder.FindNextFile();
    const std::string path = static_cast<const char*>(finder.GetFilePath());
    visited.push_back(path.substr(dir.Path().size() + 1));
    const std::string name = visited.back();
    const DWORD expected = name == "small.bin" ? 10 : name == "large.bin" ? 70000 : 0;
    EXPECT_EQ(finder.GetLength(), expected) << name;
  }
  EXPECT_EQ(visited, RawListing(dir.Path()));
  EXPECT_EQ(visited.size(), 5u) << ". and .. and three entries";
}

TEST(CFileFindTest, MissingDirectoryFindsNothing) {
  CFileFind finder;
  EXPECT_FALSE(finder.FindFile("C:\\no\\such\\directory\\*", 0));
  EXPECT_FALSE(finder.FindNextFile());
}
