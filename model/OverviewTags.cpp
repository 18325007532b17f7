#include "OverviewTags.h"

std::vector<std::wstring> SplitOverviewCells(const std::wstring& line) {
  std::vector<std::wstring> cells;
  std::size_t from = 0;
  for (;;) {
    const std::size_t semicolon = line.find(L';', from);
    if (semicolon == std::wstring::npos) break;
    cells.push_back(line.substr(from, semicolon - from));
    from = semicolon + 1;
  }
  cells.push_back(line.substr(from));
  return cells;
}

std::vector<OverviewTag> ParseOverviewTags(const std::wstring& line) {
  const std::vector<std::wstring> cells = SplitOverviewCells(line);
  std::vector<OverviewTag> tags;
  for (std::size_t i = 0; i + 8 < cells.size(); ++i) {
    if (cells[i] != L"+" || cells[i + 2] != L"=" || cells[i + 4] != L"." || cells[i + 6] != L"-") continue;
    const std::wstring& a = cells[i + 1];
    const std::wstring& b = cells[i + 3];
    const std::wstring& c = cells[i + 5];
    const std::wstring& d = cells[i + 7];
    const std::wstring& e = cells[i + 8];
    if (a.empty() || b.empty() || c.empty() || d.empty() || e.empty()) continue;
    tags.push_back({L"+" + a + L"=" + b + L"." + c + L"-" + d + e, L"-" + d + e});
  }
  return tags;
}
