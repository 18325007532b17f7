#include "CTraceSelectionDialog.h"

#include <QDateTime>
#include <QPushButton>
#include <algorithm>
#include <set>

#include "WideText.h"
#include "ui_CTraceSelectionDialog.h"

namespace {

QString ToQString(const std::wstring& text) { return QString::fromStdString(platform::ToUtf8(text)); }

// Time stamps are seconds since 1970; zero means the path was never stamped.
QString FormatModified(std::int64_t modified) {
  if (modified == 0) return {};
  return QDateTime::fromSecsSinceEpoch(modified).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace

CTraceSelectionDialog::CTraceSelectionDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CTraceSelectionDialog>()) {
  ui_->setupUi(this);
  ui_->buttonBox->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
  ui_->splitter->setStretchFactor(0, 3);
  ui_->splitter->setStretchFactor(1, 2);
  ui_->promptLabel->hide();
  ui_->pathMap->hide();
  ui_->traceList->setFocus();

  connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(ui_->selectAllButton, &QPushButton::clicked, this, [this] { SetAllChecked(true); });
  connect(ui_->selectNoneButton, &QPushButton::clicked, this, [this] { SetAllChecked(false); });
  connect(ui_->traceList, &QTreeWidget::itemChanged, this, &CTraceSelectionDialog::OnItemChanged);
  connect(ui_->traceList, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { OnCurrentItemChanged(current); });
  connect(ui_->pathMap, &CTracePathMap::PathClicked, this, &CTraceSelectionDialog::TogglePath);
  ShowSelection();
}

CTraceSelectionDialog::~CTraceSelectionDialog() = default;

void CTraceSelectionDialog::SetPrompt(const QString& text) {
  ui_->promptLabel->setText(text);
  ui_->promptLabel->setVisible(!text.isEmpty());
}

void CTraceSelectionDialog::SetMultiSelect(bool multiSelect) {
  multiSelect_ = multiSelect;
  ui_->selectAllButton->setEnabled(multiSelect);
  if (multiSelect) return;
  const std::vector<int> checked = CheckedIds();
  if (checked.size() > 1) {
    SetAllChecked(false);
    ItemForId(checked.front())->setCheckState(kNameColumn, Qt::Checked);
  }
}

void CTraceSelectionDialog::SetRows(const std::vector<WsTraceSelectionDlgInfo>& rows,
                                    const std::vector<int>& selectedIds, WS::WSTrenchPathType typeMask) {
  const std::set<int> selected(selectedIds.begin(), selectedIds.end());
  bool checkedOne = false;
  changingChecks_ = true;
  ui_->traceList->clear();
  itemById_.clear();
  for (const WsTraceSelectionDlgInfo& row : rows) {
    if ((row.type & typeMask) == 0) continue;
    auto* item = new QTreeWidgetItem(ui_->traceList);
    itemById_.emplace(row.id, item);
    item->setText(kNameColumn, ToQString(row.name));
    item->setData(kNameColumn, Qt::UserRole, row.id);
    item->setText(kIdColumn, QString::number(row.id));
    item->setText(kTypeColumn, QString::number(row.type));
    item->setText(kModifiedColumn, FormatModified(row.modified));
    item->setTextAlignment(kIdColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(kTypeColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    const bool check = selected.count(row.id) != 0 && (multiSelect_ || !checkedOne);
    item->setCheckState(kNameColumn, check ? Qt::Checked : Qt::Unchecked);
    checkedOne = checkedOne || check;
  }
  changingChecks_ = false;
  for (int column = kNameColumn; column <= kModifiedColumn; ++column) ui_->traceList->resizeColumnToContents(column);
  TracePathOutlines outlines = ui_->pathMap->Outlines();
  outlines.merge(hiddenOutlines_);
  SetOutlines(std::move(outlines));
  ShowSelection();
}

void CTraceSelectionDialog::SetOutlines(TracePathOutlines outlines) {
  hiddenOutlines_.clear();
  TracePathOutlines shown;
  while (!outlines.empty()) {
    auto path = outlines.extract(outlines.begin());
    (ItemForId(path.key()) != nullptr ? shown : hiddenOutlines_).insert(std::move(path));
  }
  ui_->pathMap->setVisible(!shown.empty());
  ui_->pathMap->SetOutlines(std::move(shown));
}

std::vector<int> CTraceSelectionDialog::CheckedIds() const {
  std::vector<int> ids;
  for (int i = 0; i < ui_->traceList->topLevelItemCount(); ++i) {
    const QTreeWidgetItem& item = *ui_->traceList->topLevelItem(i);
    if (item.checkState(kNameColumn) == Qt::Checked) ids.push_back(IdOf(item));
  }
  return ids;
}

int CTraceSelectionDialog::IdOf(const QTreeWidgetItem& item) { return item.data(kNameColumn, Qt::UserRole).toInt(); }

QTreeWidgetItem* CTraceSelectionDialog::ItemForId(int id) const {
  const auto found = itemById_.find(id);
  return found == itemById_.end() ? nullptr : found->second;
}

void CTraceSelectionDialog::SetAllChecked(bool checked) {
  changingChecks_ = true;
  for (int i = 0; i < ui_->traceList->topLevelItemCount(); ++i) {
    ui_->traceList->topLevelItem(i)->setCheckState(kNameColumn, checked ? Qt::Checked : Qt::Unchecked);
  }
  changingChecks_ = false;
  ShowSelection();
}

void CTraceSelectionDialog::OnItemChanged(QTreeWidgetItem* item, int column) {
  if (changingChecks_ || column != kNameColumn) return;
  if (!multiSelect_ && item->checkState(kNameColumn) == Qt::Checked) {
    changingChecks_ = true;
    for (int i = 0; i < ui_->traceList->topLevelItemCount(); ++i) {
      QTreeWidgetItem* other = ui_->traceList->topLevelItem(i);
      if (other != item) other->setCheckState(kNameColumn, Qt::Unchecked);
    }
    changingChecks_ = false;
    ShowSelection();
    return;
  }
  ShowCheck(*item);
}

void CTraceSelectionDialog::OnCurrentItemChanged(QTreeWidgetItem* current) {
  ui_->pathMap->SetCurrent(current != nullptr ? std::optional<int>(IdOf(*current)) : std::nullopt);
}

void CTraceSelectionDialog::TogglePath(int id) {
  QTreeWidgetItem* item = ItemForId(id);
  if (item == nullptr) return;
  ui_->traceList->setCurrentItem(item);
  item->setCheckState(kNameColumn, item->checkState(kNameColumn) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void CTraceSelectionDialog::ShowSelection() {
  checkedItems_.clear();
  checkedRowsById_.clear();
  for (int i = 0; i < ui_->traceList->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = ui_->traceList->topLevelItem(i);
    if (item->checkState(kNameColumn) != Qt::Checked) continue;
    checkedItems_.insert(item);
    ++checkedRowsById_[IdOf(*item)];
  }
  std::set<int> ids;
  for (const auto& [id, rows] : checkedRowsById_) ids.insert(ids.end(), id);
  ui_->pathMap->SetSelected(std::move(ids));
  ShowCount();
}

void CTraceSelectionDialog::ShowCheck(QTreeWidgetItem& item) {
  const bool checked = item.checkState(kNameColumn) == Qt::Checked;
  if (checked == checkedItems_.contains(&item)) return;
  const int id = IdOf(item);
  int& rows = checkedRowsById_[id];
  if (checked) {
    checkedItems_.insert(&item);
    ++rows;
  } else {
    checkedItems_.erase(&item);
    --rows;
  }
  ui_->pathMap->SetPathSelected(id, rows > 0);
  if (rows == 0) checkedRowsById_.erase(id);
  ShowCount();
}

void CTraceSelectionDialog::ShowCount() {
  ui_->countLabel->setText(
      QStringLiteral("%1 av %2 valgt").arg(checkedItems_.size()).arg(ui_->traceList->topLevelItemCount()));
}
