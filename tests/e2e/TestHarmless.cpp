// Proof of harmlessness: the drive is the same before and after a run.
#include <gtest/gtest.h>

#include <cstdio>

#include "ChildProcess.h"
#include "DriveSnapshot.h"
#include "Options.h"
#include "Session.h"

// Were Wine itself to write a file for any program, this would show it, and
// only that file could be left out of the comparisons below.
TEST(Harmless, WineAloneWritesNothing) {
  const DriveSnapshot before = TakeSnapshot(Options().drive);
  {
    ChildProcess idle(Options().idleProgram);
    ASSERT_TRUE(idle.Started()) << Options().idleProgram;
    const HWND window = idle.WaitForMainWindow(10);
    ASSERT_NE(window, nullptr);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(idle.WaitForExit(5));
  }
  const DriveSnapshot after = TakeSnapshot(Options().drive);
  const DriveChanges changes = Compare(before, after);
  std::printf("idle program: %s", changes.Describe().c_str());
  std::printf("\n%zu files hashed, %d linked directories not entered\n", before.files.size(),
              before.linkedDirectories);
  ASSERT_GT(before.files.size(), 100u);
  EXPECT_TRUE(changes.Empty()) << changes.Describe();
}

TEST(Harmless, SkippedRunLeavesTheDriveUntouched) {
  const DriveSnapshot before = TakeSnapshot(Options().drive);
  ASSERT_EQ(SkippedRun(), "");
  const DriveSnapshot after = TakeSnapshot(Options().drive);
  ASSERT_GT(before.files.size(), 100u);
  const DriveChanges changes = Compare(before, after);
  EXPECT_TRUE(changes.Empty()) << changes.Describe();
}
