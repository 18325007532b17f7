#include "CsWsTraceSelectionDlgUI.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelCasts.h"
#include "TrenchPathGeometry.h"

bool LmWsSosiExportUI::SelectTrenchPaths(const std::wstring& selectionText, std::vector<int>& selectedIds) {
  std::vector<WsTraceSelectionDlgInfo> rows;
  TracePathOutlines outlines;
  const int count = trenchTopology_ != nullptr ? trenchTopology_->numTopologyObjects() : 0;
  for (int i = 0; i < count; ++i) {
    const LwtTrenchPath* path = AsTrenchPath(trenchTopology_->getTopologyObject(i));
    if (path == nullptr || (path->getTrenchPathType() & WS::kAllTrenchPathTypes) == 0) continue;
    rows.push_back({path->getName(), path->getPersistentID(), path->getTrenchPathType(), path->getModifiedTimeStamp()});
    outlines[path->getPersistentID()] = TrenchPathOutline(*path, sectionSegmentLinks_);
  }
  for (const WsTraceSelectionDlgInfo& row : rows) selectedIds.push_back(row.id);

  CsWsTraceSelectionDlgUI dialog;
  dialog.SetPathOutlines(std::move(outlines));
  const bool confirmed = dialog.StartDialog(rows, selectedIds, true, WS::kAllTrenchPathTypes, selectionText);
  return confirmed && !selectedIds.empty();
}
