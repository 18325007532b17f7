#include "GridControl.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

#include "DropDownDelegate.h"
#include "WideQString.h"

namespace {

// The text a cell held after its last accepted change; a change that a
// drop-down cell cannot accept is turned back to it.
constexpr int kAcceptedRole = Qt::UserRole + 1;

constexpr Qt::ItemFlags kDataCellFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;

QStringList SplitChoices(const std::wstring& choices) {
  if (choices.empty()) return {};
  return ToQString(choices).split(QLatin1Char('\n'));
}

}  // namespace

GridControl::GridControl(QWidget* parent) : QTableWidget(parent) {
  setItemDelegate(new DropDownDelegate(this));
  connect(this, &QTableWidget::itemChanged, this, &GridControl::OnItemChanged);
  SetColCount(0);
  Initialize();
}

void GridControl::Initialize() {
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
  // Long headers wrap rather than lose both ends.
  horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter) | Qt::Alignment(Qt::TextWordWrap));
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(true);
  setWordWrap(false);
  undo_.clear();
}

int GridControl::GetClientWidth() const { return viewport()->width(); }

void GridControl::SetColCount(int count) {
  if (count < 0) count = 0;
  const int oldColumns = columnCount();
  setColumnCount(count + 1);
  FillNewCells(rowCount(), oldColumns);
}

int GridControl::GetColCount() const { return columnCount() - 1; }

int GridControl::GetRowCount() const { return rowCount(); }

void GridControl::SetColWidth(int first, int last, int width) {
  for (int col = std::max(first, 0); col <= last && col < columnCount(); ++col) setColumnWidth(col, width);
  FitHeaderHeight();
}

template <typename Edit>
void GridControl::ChangeCell(int row, int col, Edit edit) {
  const QTableWidgetItem* old = CellItem(row, col);
  if (old == nullptr) return;
  QTableWidgetItem* item = old->clone();
  edit(*item);
  writing_ = true;
  if (row == 0) {
    setHorizontalHeaderItem(col, item);
  } else {
    setItem(row - 1, col, item);
  }
  writing_ = false;
}

void GridControl::SetCellText(int row, int col, const std::wstring& text) {
  if (EnsureCell(row, col) == nullptr) return;
  ChangeCell(row, col, [&](QTableWidgetItem& item) {
    item.setData(kChoicesRole, QVariant());
    item.setFlags(item.flags() & ~Qt::ItemIsEditable);
    Write(row, col, item, ToQString(text));
  });
  if (row == 0) FitHeaderHeight();
}

void GridControl::SetDropDownCell(int row, int col, const std::wstring& choices, const std::wstring& text) {
  if (EnsureCell(row, col) == nullptr) return;
  if (choicesByColumn_.size() <= static_cast<std::size_t>(col)) choicesByColumn_.resize(col + 1);
  // Not a structured binding: clang 14 cannot capture one in the lambda below.
  auto& column = choicesByColumn_[col];
  if (choices != column.first) {
    column.first = choices;
    column.second = SplitChoices(choices);
  }
  const QStringList& split = column.second;
  ChangeCell(row, col, [&](QTableWidgetItem& item) {
    item.setData(kChoicesRole, split);
    if (item.flags() & Qt::ItemIsEnabled) item.setFlags(kDataCellFlags | Qt::ItemIsEditable);
    Write(row, col, item, ToQString(text));
  });
  if (row == 0) FitHeaderHeight();
}

std::wstring GridControl::GetCellText(int row, int col) const {
  const QTableWidgetItem* item = CellItem(row, col);
  return item == nullptr ? std::wstring() : FromQString(item->text());
}

QStringList GridControl::GetCellChoices(int row, int col) const {
  const QTableWidgetItem* item = CellItem(row, col);
  return item == nullptr ? QStringList() : item->data(kChoicesRole).toStringList();
}

std::vector<int> GridControl::MissingCodeCounts() const {
  std::vector<int> counts(static_cast<size_t>(std::max(GetColCount(), 0)), 0);
  for (int row = 0; row < rowCount(); ++row) {
    for (int col = 1; col < columnCount(); ++col) {
      const CodeState state = CodeStateOf(model()->index(row, col));
      if (state == CodeState::Missing || state == CodeState::Stale) ++counts[static_cast<size_t>(col - 1)];
    }
  }
  return counts;
}

QString GridControl::CellToolTip(int row, int col) const {
  const QTableWidgetItem* item = row >= 1 ? CellItem(row, col) : nullptr;
  if (item == nullptr) return {};
  if (CodeStateOf(indexFromItem(item)) == CodeState::Stale) {
    return QStringLiteral("«%1» er ikke blant kodene og blir ikke lagret").arg(item->text());
  }
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
  return fontMetrics().horizontalAdvance(item->text()) + margins > columnWidth(col) ? item->text() : QString();
}

void GridControl::DisableCells(int top, int left, int bottom, int right) {
  for (int row = top; row <= bottom; ++row) {
    for (int col = left; col <= right; ++col) {
      ChangeCell(row, col, [](QTableWidgetItem& item) { item.setFlags(Qt::NoItemFlags); });
    }
  }
}

bool GridControl::IsCellEnabled(int row, int col) const {
  const QTableWidgetItem* item = CellItem(row, col);
  return item != nullptr && (item->flags() & Qt::ItemIsEnabled);
}

bool GridControl::SetCurrentCell(int row, int col) {
  if (row < 1 || !IsCellEnabled(row, col)) return false;
  setCurrentCell(row - 1, col);
  return true;
}

void GridControl::SetUndoRecording(bool on) { recording_ = on; }

bool GridControl::Undo() {
  while (!undo_.empty()) {
    const Change change = undo_.back();
    undo_.pop_back();
    // Changes of columns or rows removed since are gone with them.
    QTableWidgetItem* item = change.row >= 1 ? CellItem(change.row, change.col) : nullptr;
    if (item == nullptr) continue;
    writing_ = true;
    item->setText(change.before);
    item->setData(kAcceptedRole, change.before);
    writing_ = false;
    emit CodesChanged();
    return true;
  }
  return false;
}

void GridControl::keyPressEvent(QKeyEvent* event) {
  if (state() != QAbstractItemView::EditingState) {
    if (event->matches(QKeySequence::Undo)) {
      Undo();
      event->accept();
      return;
    }
    QTableWidgetItem* item = currentItem();
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && item != nullptr &&
        (item->flags() & Qt::ItemIsEditable)) {
      // Goes the way of any user change, so it is checked and recorded.
      item->setText(QString());
      event->accept();
      return;
    }
  }
  QTableWidget::keyPressEvent(event);
}

bool GridControl::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTableWidget::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  const QString tip = index.isValid() ? CellToolTip(index.row() + 1, index.column()) : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
  }
  return true;
}

QTableWidgetItem* GridControl::CellItem(int row, int col) const {
  if (col < 0 || col >= columnCount()) return nullptr;
  if (row == 0) return horizontalHeaderItem(col);
  if (row < 1 || row > rowCount()) return nullptr;
  return item(row - 1, col);
}

QTableWidgetItem* GridControl::EnsureCell(int row, int col) {
  if (row < 0 || col < 0) return nullptr;
  if (col > GetColCount()) SetColCount(col);
  if (row > rowCount()) {
    const int oldRows = rowCount();
    setRowCount(row);
    FillNewCells(oldRows, columnCount());
  }
  return CellItem(row, col);
}

QTableWidgetItem* GridControl::NewPlainItem(int col) const {
  auto* item = new QTableWidgetItem();
  if (col == 0) {
    // The header column reads like a header and never becomes current.
    item->setFlags(Qt::NoItemFlags);
    item->setBackground(palette().button());
    item->setForeground(palette().buttonText());
  } else {
    item->setFlags(kDataCellFlags);
  }
  return item;
}

void GridControl::FillNewCells(int oldRows, int oldColumns) {
  writing_ = true;
  for (int col = oldColumns; col < columnCount(); ++col) {
    if (horizontalHeaderItem(col) == nullptr) setHorizontalHeaderItem(col, new QTableWidgetItem());
  }
  // Rows that were there need only the new columns: a grid grown row by row
  // must not pass over all its rows for each.
  const int rows = rowCount();
  const int columns = columnCount();
  const auto fill = [this](int row, int firstColumn, int columns) {
    for (int col = firstColumn; col < columns; ++col) {
      if (item(row, col) == nullptr) setItem(row, col, NewPlainItem(col));
    }
  };
  if (oldColumns < columns) {
    for (int row = 0; row < std::min(oldRows, rows); ++row) fill(row, oldColumns, columns);
  }
  for (int row = oldRows; row < rows; ++row) fill(row, 0, columns);
  writing_ = false;
}

void GridControl::Write(int row, int col, QTableWidgetItem& item, const QString& text) {
  if (row >= 1 && recording_ && item.text() != text) undo_.push_back({row, col, item.text()});
  item.setText(text);
  item.setData(kAcceptedRole, text);
}

void GridControl::FitHeaderHeight() {
  QHeaderView* header = horizontalHeader();
  const QFontMetrics metrics(header->font());
  int height = metrics.height();
  for (int col = 0; col < columnCount(); ++col) {
    const QTableWidgetItem* item = horizontalHeaderItem(col);
    if (item == nullptr) continue;
    const QRect room(0, 0, std::max(columnWidth(col) - 8, 1), 1000);
    height = std::max(height, metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, item->text()).height());
  }
  header->setMinimumHeight(height + 8);
}

void GridControl::OnItemChanged(QTableWidgetItem* item) {
  if (writing_) return;
  const QString now = item->text();
  const QString before = item->data(kAcceptedRole).toString();
  if (now == before) return;
  const QVariant choices = item->data(kChoicesRole);
  const bool acceptable = choices.isValid() && (now.isEmpty() || choices.toStringList().contains(now));
  writing_ = true;
  if (acceptable) {
    if (recording_) undo_.push_back({item->row() + 1, item->column(), before});
    item->setData(kAcceptedRole, now);
  } else {
    item->setText(before);
  }
  writing_ = false;
  if (acceptable) emit CodesChanged();
}
