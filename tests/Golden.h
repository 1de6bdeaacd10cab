// Golden files are compared in every run and rewritten only by the tests that `ctest -C record`
// lists (the record presets), which pass --record to the suite. A suite that recorded ends with
// status 77, which CTest reports as skipped: a recording never reads as a pass. With CI set, even
// to nothing, nothing is recorded; a file that cannot be written fails the suite.
#pragma once

#include <string>

// Writes actual to path when this run records.
void RecordGolden(const std::string& path, const std::string& actual);
