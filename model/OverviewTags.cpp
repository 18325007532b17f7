#include "OverviewTags.h"

std::vector<std::wstring_view> SplitOverviewCells(std::wstring_view line) {
  std::vector<std::wstring_view> cells;
  std::size_t from = 0;
  for (;;) {
    const std::size_t semicolon = line.find(L';', from);
    if (semicolon == std::wstring_view::npos) break;
    cells.push_back(line.substr(from, semicolon - from));
    from = semicolon + 1;
  }
  cells.push_back(line.substr(from));
  return cells;
}

std::vector<OverviewTag> ParseOverviewTags(std::wstring_view line) {
  std::vector<OverviewTag> tags;
  if (line.find(L'+') == std::wstring_view::npos) return tags;
  const std::vector<std::wstring_view> cells = SplitOverviewCells(line);
  for (std::size_t i = 0; i + 8 < cells.size(); ++i) {
    if (cells[i] != L"+" || cells[i + 2] != L"=" || cells[i + 4] != L"." || cells[i + 6] != L"-") continue;
    const std::wstring_view a = cells[i + 1];
    const std::wstring_view b = cells[i + 3];
    const std::wstring_view c = cells[i + 5];
    const std::wstring_view d = cells[i + 7];
    const std::wstring_view e = cells[i + 8];
    if (a.empty() || b.empty() || c.empty() || d.empty() || e.empty()) continue;
    OverviewTag tag;
    tag.shortName.append(L"-").append(d).append(e);
    tag.text.append(L"+").append(a).append(L"=").append(b).append(L".").append(c).append(tag.shortName);
    tags.push_back(std::move(tag));
  }
  return tags;
}
