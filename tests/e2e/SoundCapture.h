// Counts the clicks the program actually played, from the ALSA file capture
// that the test's HOME sets up: every sound lands in a raw file, back to back.
#pragma once

#include <map>
#include <string>

class SoundCapture {
public:
  explicit SoundCapture(const std::string& directory);  // counts from now on
  bool Available() const { return !m_directory.empty(); }
  int Clicks() const;

private:
  std::string m_directory;
  std::map<std::string, long long> m_startSizes;
};
