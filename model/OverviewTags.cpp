#include "OverviewTags.h"

#include <algorithm>
#include <utility>

namespace {

bool IsMark(std::wstring_view cell, wchar_t mark) { return cell.size() == 1 && cell.front() == mark; }

}  // namespace

// Cells are split and the marks compared character by character: a city's
// files have a million lines, and searching and comparing through the
// library cost a call for each cell.
std::span<const OverviewTagView> OverviewTagScanner::Scan(std::wstring_view line) {
  tags_.clear();
  if (line.find(L'+') == std::wstring_view::npos) return tags_;
  cells_.clear();
  std::size_t from = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != L';') continue;
    cells_.push_back(line.substr(from, i - from));
    from = i + 1;
  }
  cells_.push_back(line.substr(from));

  texts_.clear();
  found_.clear();
  for (std::size_t i = 0; i + 8 < cells_.size(); ++i) {
    if (!IsMark(cells_[i], L'+') || !IsMark(cells_[i + 2], L'=') || !IsMark(cells_[i + 4], L'.') ||
        !IsMark(cells_[i + 6], L'-')) {
      continue;
    }
    const std::wstring_view a = cells_[i + 1];
    const std::wstring_view b = cells_[i + 3];
    const std::wstring_view c = cells_[i + 5];
    const std::wstring_view d = cells_[i + 7];
    const std::wstring_view e = cells_[i + 8];
    if (a.empty() || b.empty() || c.empty() || d.empty() || e.empty()) continue;
    // Made in place: appending part by part cost more than finding the tag.
    const std::size_t start = texts_.size();
    const std::size_t shortLength = 1 + d.size() + e.size();
    const std::size_t length = 3 + a.size() + b.size() + c.size() + shortLength;
    texts_.resize(start + length);
    wchar_t* at = texts_.data() + start;
    for (const auto& [mark, part] : {std::pair{L'+', a}, {L'=', b}, {L'.', c}, {L'-', d}}) {
      *at++ = mark;
      at = std::copy(part.begin(), part.end(), at);
    }
    std::copy(e.begin(), e.end(), at);
    found_.push_back({start, length, shortLength});
  }
  // Views are taken once the buffer has stopped growing.
  const std::wstring_view texts(texts_);
  for (const Found& tag : found_) {
    const std::wstring_view text = texts.substr(tag.start, tag.length);
    tags_.push_back({text, text.substr(tag.length - tag.shortLength)});
  }
  return tags_;
}
