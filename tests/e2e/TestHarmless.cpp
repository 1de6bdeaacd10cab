// Proof of harmlessness: the drive is the same before and after a run.
#include <gtest/gtest.h>

#include <cstdio>

#include "ChildProcess.h"
#include "DriveSnapshot.h"
#include "HarmlessFiles.h"
#include "Options.h"
#include "Session.h"

TEST(Harmless, WineAloneWritesOnlyTheNamedFiles) {
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
  for (const auto* paths : {&changes.created, &changes.changed, &changes.deleted}) {
    for (const auto& path : *paths) EXPECT_TRUE(WineOwnFiles().count(path)) << path;
  }
}

TEST(Harmless, SkippedRunLeavesTheDriveUntouched) {
  const DriveSnapshot before = TakeSnapshot(Options().drive);
  ASSERT_EQ(SkippedRun(), "");
  const DriveSnapshot after = TakeSnapshot(Options().drive);
  ASSERT_GT(before.files.size(), 100u);
  const DriveChanges changes = Compare(before, after, WineOwnFiles());
  EXPECT_TRUE(changes.Empty()) << changes.Describe();
}
