#pragma once
// The mapping pages' grid: sets itself up for a list of column headers.

#include <string>
#include <vector>

#include "GridControl.h"

class CPipeTypesGrid : public GridControl {
  Q_OBJECT

 public:
  using GridControl::GridControl;

  // headers[0] heads the header column, headers[i] column i. Without
  // headers the grid gets two unnamed columns. The columns share the width.
  void SetupColumns(const std::vector<std::wstring>& headers);
};
