// The suites' golden files, compared in every run and written only by a run given --record, which
// ends with status 77, reported as skipped (docs/testing.md).
#pragma once

#include <string>

// What path holds, once actual is written to it if this run records (a failed write fails).
std::string Golden(const std::string& path, const std::string& actual);
// The whole file as long as it is now (a trace grows as it is read); empty if there is none.
std::string ReadWhole(const std::string& path);
