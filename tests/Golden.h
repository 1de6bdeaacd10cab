// The suites' golden files, compared in every run and written only by a run given --record, which
// ends with status 77, reported as skipped (docs/testing.md).
#pragma once

#include <string>

// Writes actual to path when this run records; a file it cannot write fails the test.
void RecordGolden(const std::string& path, const std::string& actual);
