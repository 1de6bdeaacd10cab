#include "tests/unit/TempDirectory.h"

#include <stdio.h>

TempDirectory::TempDirectory() {
  char base[MAX_PATH];
  ::GetTempPathA(MAX_PATH, base);
  m_path = std::string(base) + "velmora-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(::GetTickCount());
  ::CreateDirectoryA(m_path.c_str(), nullptr);
}

TempDirectory::~TempDirectory() {
  for (const auto& file : m_files) ::DeleteFileA(file.c_str());
  for (auto it = m_directories.rbegin(); it != m_directories.rend(); ++it) {
    ::RemoveDirectoryA(it->c_str());
  }
  ::RemoveDirectoryA(m_path.c_str());
}

std::string TempDirectory::File(const std::string& name, size_t size) {
  const std::string path = m_path + "\\" + name;
  FILE* file = fopen(path.c_str(), "wb");
  if (file) {
    const std::string bytes(size, 'x');
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
  }
  m_files.push_back(path);
  return path;
}

std::string TempDirectory::Directory(const std::string& name) {
  const std::string path = m_path + "\\" + name;
  ::CreateDirectoryA(path.c_str(), nullptr);
  m_directories.push_back(path);
  return path;
}
