#pragma once
// The suite's trench path selection dialog: a list of trench paths with check
// boxes, all preselected as the caller says, and beside it a small map of the
// paths so that the user sees what they pick.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "WSTypes.h"

// One row of the dialog.
struct WsTraceSelectionDlgInfo {
  std::wstring name;
  int id = 0;
  int type = 0;  // trench path type bit mask
  std::int64_t modified = 0;
};

// The map's drawing: per trench path id, its polylines as (x, y) pairs.
using TracePathOutlines = std::map<int, std::vector<std::vector<std::pair<double, double>>>>;

class CsWsTraceSelectionDlgUI {
 public:
  CsWsTraceSelectionDlgUI();
  virtual ~CsWsTraceSelectionDlgUI();

  // Geometry for the map; optional, the list works without it.
  void SetPathOutlines(TracePathOutlines outlines);

  // Shows the rows (filtered by `typeMask`) with the ids in `selectedIds`
  // checked and `text` as the prompt. On OK, `selectedIds` holds the ids the
  // user left checked, in row order, and the result is true. On Cancel the
  // ids are left as they were and the result is false. `multiSelect` false
  // lets only one row be checked at a time.
  bool StartDialog(const std::vector<WsTraceSelectionDlgInfo>& rows, std::vector<int>& selectedIds, bool multiSelect,
                   WS::WSTrenchPathType typeMask, const std::wstring& text) const;

 private:
  TracePathOutlines outlines_;
};
