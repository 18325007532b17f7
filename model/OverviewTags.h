#pragma once
// Designation tags in the overview CSV files: a tag is written over nine
// cells as "+" A "=" B "." C "-" D E, and a manhole is known by its short
// name "-" D E.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct OverviewTagView {
  std::wstring_view text;       // +A=B.C-DE
  std::wstring_view shortName;  // -DE, the end of the text
};

// Finds the tags of line after line without allocating for each: the cells
// are split at every ';' (empty cells count, nothing is trimmed).
class OverviewTagScanner {
 public:
  // The valid tags of `line`, in the order of their "+" cells. They view the
  // scanner's own buffer and stay valid until the next Scan.
  std::span<const OverviewTagView> Scan(std::wstring_view line);

 private:
  struct Found {
    std::size_t start;
    std::size_t length;
    std::size_t shortLength;
  };

  std::vector<std::wstring_view> cells_;
  std::wstring texts_;
  std::vector<Found> found_;
  std::vector<OverviewTagView> tags_;
};
