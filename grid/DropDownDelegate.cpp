#include "DropDownDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <algorithm>

CodeState CodeStateOf(const QModelIndex& index) {
  const QVariant choices = index.data(kChoicesRole);
  if (!choices.isValid()) return CodeState::NotACodeCell;
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return CodeState::Missing;
  return choices.toStringList().contains(text) ? CodeState::Chosen : CodeState::Stale;
}


QWidget* DropDownDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
  const QVariant choices = index.data(kChoicesRole);
  if (!choices.isValid()) return nullptr;
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QStringLiteral("CellDropDown"));
  combo->addItem(QString());
  combo->addItems(choices.toStringList());
  // The cell is as narrow as its column; the open list is not.
  const QFontMetrics metrics(combo->view()->font());
  int widest = 0;
  for (const QString& choice : choices.toStringList()) widest = std::max(widest, metrics.horizontalAdvance(choice));
  const QStyle* style = combo->style();
  combo->view()->setMinimumWidth(widest + style->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                 4 * style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8);
  // A pick from the open list is taken at once; the editor stays open so
  // that the keyboard can go on choosing.
  auto* self = const_cast<DropDownDelegate*>(this);
  connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
  return combo;
}

void DropDownDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* combo = static_cast<QComboBox*>(editor);
  // A text that is not among the choices selects nothing.
  combo->setCurrentIndex(combo->findText(index.data(Qt::DisplayRole).toString(), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void DropDownDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  auto* combo = static_cast<QComboBox*>(editor);
  if (combo->currentIndex() >= 0) model->setData(index, combo->currentText());
}

void DropDownDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (!(option->state & QStyle::State_Enabled)) return;
  switch (CodeStateOf(index)) {
    case CodeState::Missing:
      option->text = QStringLiteral("ingen kode");
      option->font.setItalic(true);
      option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Disabled, QPalette::Text));
      break;
    case CodeState::Stale:
      option->font.setStrikeOut(true);
      option->palette.setColor(QPalette::Text, QColor(0xb0, 0x20, 0x20));
      break;
    default:
      break;
  }
}
