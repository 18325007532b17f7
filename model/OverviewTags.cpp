#include "OverviewTags.h"

std::span<const OverviewTagView> OverviewTagScanner::Scan(std::wstring_view line) {
  tags_.clear();
  if (line.find(L'+') == std::wstring_view::npos) return tags_;
  cells_.clear();
  for (std::size_t from = 0;;) {
    const std::size_t semicolon = line.find(L';', from);
    cells_.push_back(line.substr(from, semicolon == std::wstring_view::npos ? semicolon : semicolon - from));
    if (semicolon == std::wstring_view::npos) break;
    from = semicolon + 1;
  }

  texts_.clear();
  found_.clear();
  for (std::size_t i = 0; i + 8 < cells_.size(); ++i) {
    if (cells_[i] != L"+" || cells_[i + 2] != L"=" || cells_[i + 4] != L"." || cells_[i + 6] != L"-") continue;
    const std::wstring_view a = cells_[i + 1];
    const std::wstring_view b = cells_[i + 3];
    const std::wstring_view c = cells_[i + 5];
    const std::wstring_view d = cells_[i + 7];
    const std::wstring_view e = cells_[i + 8];
    if (a.empty() || b.empty() || c.empty() || d.empty() || e.empty()) continue;
    const std::size_t start = texts_.size();
    texts_.append(L"+").append(a).append(L"=").append(b).append(L".").append(c);
    const std::size_t shortStart = texts_.size();
    texts_.append(L"-").append(d).append(e);
    found_.push_back({start, texts_.size() - start, texts_.size() - shortStart});
  }
  // Views are taken once the buffer has stopped growing.
  const std::wstring_view texts(texts_);
  for (const Found& tag : found_) {
    const std::wstring_view text = texts.substr(tag.start, tag.length);
    tags_.push_back({text, text.substr(tag.length - tag.shortLength)});
  }
  return tags_;
}
