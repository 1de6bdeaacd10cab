// The size and a hash of the contents of every file below a directory, to
// prove that a run created, changed and deleted nothing.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct FileState {
  uint64_t size = 0;
  uint64_t hash = 0;
  bool operator!=(const FileState& other) const { return size != other.size || hash != other.hash; }
};

struct DriveSnapshot {
  std::map<std::string, FileState> files;  // lower-case path below the root
  std::vector<std::string> unreadable;     // files that could not be hashed
  uint64_t bytes = 0;
  int linkedDirectories = 0;  // not entered: they lead outside the tree
};

DriveSnapshot TakeSnapshot(const std::string& root);

struct DriveChanges {
  std::vector<std::string> created, changed, deleted;
  bool Empty() const { return created.empty() && changed.empty() && deleted.empty(); }
  std::string Describe() const;
};

// Differences between two snapshots.
DriveChanges Compare(const DriveSnapshot& before, const DriveSnapshot& after);
