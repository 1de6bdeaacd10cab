// Files that Wine itself writes while any program runs, shown with the idle
// program in TestHarmless.cpp; only these are left out of the comparisons.
#pragma once

#include <set>
#include <string>

const std::set<std::string>& WineOwnFiles();
