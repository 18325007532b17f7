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
  for (const WsTraceSelectionDlgInfo& row : rows) {
    if ((row.type & typeMask) == 0) continue;
    auto* item = new QTreeWidgetItem(ui_->traceList);
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
  SetOutlines(outlines_);
  ShowSelection();
}

void CTraceSelectionDialog::SetOutlines(const TracePathOutlines& outlines) {
  outlines_ = outlines;
  TracePathOutlines shown;
  for (const auto& [id, lines] : outlines_) {
    if (ItemForId(id) != nullptr) shown.emplace(id, lines);
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
  for (int i = 0; i < ui_->traceList->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = ui_->traceList->topLevelItem(i);
    if (IdOf(*item) == id) return item;
  }
  return nullptr;
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
  }
  ShowSelection();
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
  const std::vector<int> checked = CheckedIds();
  ui_->pathMap->SetSelected(std::set<int>(checked.begin(), checked.end()));
  ui_->countLabel->setText(QStringLiteral("%1 av %2 valgt").arg(checked.size()).arg(ui_->traceList->topLevelItemCount()));
}
