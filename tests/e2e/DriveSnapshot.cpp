#include "DriveSnapshot.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {
std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool HashFile(const std::string& path, FileState& state) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  static std::vector<unsigned char> buffer(1 << 20);
  uint64_t hash = 1469598103934665603ull;
  uint64_t size = 0;
  DWORD got = 0;
  while (::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
         got > 0) {
    size += got;
    DWORD i = 0;
    for (; i + 8 <= got; i += 8) {
      uint64_t word;
      std::memcpy(&word, &buffer[i], 8);
      hash = (hash ^ word) * 1099511628211ull;
      hash ^= hash >> 29;
    }
    for (; i < got; ++i) hash = (hash ^ buffer[i]) * 1099511628211ull;
  }
  ::CloseHandle(file);
  state.size = size;
  state.hash = hash ^ size;
  return true;
}

void Walk(const std::string& root, const std::string& relative, DriveSnapshot& snapshot) {
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((root + relative + "*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = relative + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        ++snapshot.linkedDirectories;
        continue;
      }
      Walk(root, path + "\\", snapshot);
      continue;
    }
    FileState state;
    if (HashFile(root + path, state)) {
      snapshot.files[Lower(path)] = state;
      snapshot.bytes += state.size;
    } else {
      snapshot.unreadable.push_back(path);
    }
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
}
}  // namespace

DriveSnapshot TakeSnapshot(const std::string& root) {
  DriveSnapshot snapshot;
  std::string base = root;
  if (!base.empty() && base.back() != '\\') base += '\\';
  Walk(base, "", snapshot);
  return snapshot;
}

std::string DriveChanges::Describe() const {
  std::string text;
  for (const auto& path : created) text += "created " + path + "\n";
  for (const auto& path : changed) text += "changed " + path + "\n";
  for (const auto& path : deleted) text += "deleted " + path + "\n";
  return text.empty() ? "no changes" : text;
}

DriveChanges Compare(const DriveSnapshot& before, const DriveSnapshot& after) {
  DriveChanges changes;
  for (const auto& file : after.files) {
    const auto old = before.files.find(file.first);
    if (old == before.files.end()) {
      changes.created.push_back(file.first);
    } else if (old->second != file.second) {
      changes.changed.push_back(file.first);
    }
  }
  for (const auto& file : before.files) {
    if (!after.files.count(file.first)) changes.deleted.push_back(file.first);
  }
  return changes;
}
