#include "CsWsTraceSelectionDlgUI.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModalRunner.h"
#include "ModelCasts.h"
#include "TrenchPathGeometry.h"

namespace {

// The map of the paths is for a person to look at: in a window session, or
// through a script that stands in for one. A batch run confirms the dialog
// unseen, and the map is most of what the dialog costs on a city's model.
bool MapIsLookedAt() { return platform::ModalRunner::DialogsAreSeen(); }

}  // namespace

bool LmWsSosiExportUI::SelectTrenchPaths(const std::wstring& selectionText, std::vector<int>& selectedIds) {
  std::vector<WsTraceSelectionDlgInfo> rows;
  TracePathOutlines outlines;
  const bool drawn = MapIsLookedAt();
  const int count = trenchTopology_ != nullptr ? trenchTopology_->numTopologyObjects() : 0;
  for (int i = 0; i < count; ++i) {
    const LwtTrenchPath* path = AsTrenchPath(trenchTopology_->getTopologyObject(i));
    if (path == nullptr || (path->getTrenchPathType() & WS::kAllTrenchPathTypes) == 0) continue;
    rows.push_back({path->getName(), path->getPersistentID(), path->getTrenchPathType(), path->getModifiedTimeStamp()});
    if (drawn) outlines[path->getPersistentID()] = TrenchPathOutline(*path, sectionSegmentLinks_);
  }
  for (const WsTraceSelectionDlgInfo& row : rows) selectedIds.push_back(row.id);

  CsWsTraceSelectionDlgUI dialog;
  dialog.SetPathOutlines(std::move(outlines));
  const bool confirmed = dialog.StartDialog(rows, selectedIds, true, WS::kAllTrenchPathTypes, selectionText);
  return confirmed && !selectedIds.empty();
}
