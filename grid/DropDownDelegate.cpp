#include "DropDownDelegate.h"

#include <QComboBox>

QWidget* DropDownDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
  const QVariant choices = index.data(kChoicesRole);
  if (!choices.isValid()) return nullptr;
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QStringLiteral("CellDropDown"));
  combo->addItem(QString());
  combo->addItems(choices.toStringList());
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
