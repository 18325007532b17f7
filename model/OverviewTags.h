#pragma once
// Designation tags in the overview CSV files: a tag is written over nine
// cells as "+" A "=" B "." C "-" D E, and a manhole is known by its short
// name "-" D E.

#include <string>
#include <string_view>
#include <vector>

struct OverviewTag {
  std::wstring text;       // +A=B.C-DE
  std::wstring shortName;  // -DE
};

// The pipe's tag and the tags of the manholes at its two ends, as listed.
struct OverviewPipeLine {
  OverviewTag pipe;
  OverviewTag first;
  OverviewTag second;
};

// Splits at every ';' (empty cells count, nothing is trimmed); the cells
// view `line`.
std::vector<std::wstring_view> SplitOverviewCells(std::wstring_view line);

// The valid tags of one line, in the order of their "+" cells.
std::vector<OverviewTag> ParseOverviewTags(std::wstring_view line);
