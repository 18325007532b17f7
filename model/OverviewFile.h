#pragma once
// Reading one overview CSV file. Its kind is given by the first line that
// carries a tag: one tag makes a manhole file, three a pipe file; any other
// file is not used.

#include <string>
#include <vector>

#include "OverviewTags.h"

struct OverviewContents {
  std::vector<OverviewTag> manholeTags;     // in file order
  std::vector<OverviewPipeLine> pipeLines;  // in file order
};

// Appends what the file holds: every tag of a manhole file, and one pipe line
// per line of a pipe file that has at least three tags (the first three).
// A file that cannot be opened, or is of neither kind, adds nothing.
void ReadOverviewFile(const std::wstring& path, OverviewContents& contents);

// The files are ANSI text from spreadsheet exports, taken as Windows-1252,
// unless they are valid UTF-8 (a leading byte order mark is dropped).
std::wstring DecodeOverviewText(const std::string& bytes);
