#include "CPipeTypesGrid.h"

void CPipeTypesGrid::SetupColumns(const std::vector<std::wstring>& headers) {
  Initialize();
  const int n = headers.empty() ? 2 : static_cast<int>(headers.size()) - 1;
  SetColCount(n);
  const int width = (GetClientWidth() - 8) / (n + 1);
  SetColWidth(0, n, width);
  for (int i = 0; i < static_cast<int>(headers.size()) && i < n + 1; ++i) SetCellText(0, i, headers[i]);
  DisableCells(0, 0, 0, n);
  SetCurrentCell(1, 1);
  SetUndoRecording(true);
}
