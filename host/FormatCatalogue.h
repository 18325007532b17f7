#pragma once
// The file format catalogue as the export sheet reads it, for checking and
// listing --format before a run.

#include <string>
#include <vector>

// The display names of the variants, by position.
std::vector<std::string> FileFormatNames();
// "0 <name>" entries joined by `separator`.
std::string FileFormatList(const std::vector<std::string>& names, const std::string& separator);
