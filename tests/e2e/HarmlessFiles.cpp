#include "HarmlessFiles.h"

const std::set<std::string>& WineOwnFiles() {
  static const std::set<std::string> files = {};
  return files;
}
