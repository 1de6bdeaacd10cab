// A scratch directory under the temporary folder, removed with its contents.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TempDirectory {
public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name, size_t size);
  std::string Directory(const std::string& name);

private:
  std::string m_path;
  std::vector<std::string> m_files;
  std::vector<std::string> m_directories;
};
