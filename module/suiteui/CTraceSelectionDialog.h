#pragma once
// The trench path selection dialog: the caller's prompt, a list of trench
// paths with a check box each, "Velg alle" / "Velg ingen", and the map of the
// paths beside the list. Object names for scripts: "TraceSelectionDialog",
// "promptLabel", "traceList", "pathMap", "selectAllButton",
// "selectNoneButton", "buttonBox".

#include <QDialog>
#include <map>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "CsWsTraceSelectionDlgUI.h"

class QTreeWidgetItem;
class CTracePathMap;
namespace Ui {
class CTraceSelectionDialog;
}

class CTraceSelectionDialog : public QDialog {
  Q_OBJECT

 public:
  enum Column { kNameColumn, kIdColumn, kTypeColumn, kModifiedColumn };

  explicit CTraceSelectionDialog(QWidget* parent = nullptr);
  ~CTraceSelectionDialog() override;

  void SetPrompt(const QString& text);
  // Single selection keeps at most one row checked: the first one checked.
  void SetMultiSelect(bool multiSelect);
  // Shows the rows whose type shares a bit with `typeMask`, in the order
  // given, checked when their id is in `selectedIds`.
  void SetRows(const std::vector<WsTraceSelectionDlgInfo>& rows, const std::vector<int>& selectedIds,
               WS::WSTrenchPathType typeMask);
  // The map draws the outlines of the rows shown; without any it is hidden.
  void SetOutlines(TracePathOutlines outlines);

  // Ids of the checked rows, in row order.
  std::vector<int> CheckedIds() const;

 private:
  static int IdOf(const QTreeWidgetItem& item);
  QTreeWidgetItem* ItemForId(int id) const;
  void SetAllChecked(bool checked);
  void OnItemChanged(QTreeWidgetItem* item, int column);
  void OnCurrentItemChanged(QTreeWidgetItem* current);
  void TogglePath(int id);
  // Brings the map and the count in line with every row.
  void ShowSelection();
  // The same after one row's check may have changed: a batch of single
  // changes must not cost a pass over thousands of rows each.
  void ShowCheck(QTreeWidgetItem& item);
  void ShowCount();

  std::unique_ptr<Ui::CTraceSelectionDialog> ui_;
  // Outlines of paths that are not rows; the map keeps the others. A town's
  // outlines are large and are not copied.
  TracePathOutlines hiddenOutlines_;
  bool multiSelect_ = true;
  bool changingChecks_ = false;
  std::unordered_map<int, QTreeWidgetItem*> itemById_;  // the first row of each id
  std::unordered_set<const QTreeWidgetItem*> checkedItems_;
  std::map<int, int> checkedRowsById_;
};
