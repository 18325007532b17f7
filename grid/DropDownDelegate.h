#pragma once
// The editor of the grid's drop-down cells: a list that offers the cell's
// choices and an empty entry, and lets nothing else in.

#include <QStyledItemDelegate>

// Item data role under which a drop-down cell keeps its choices (QStringList).
inline constexpr int kChoicesRole = Qt::UserRole;

class DropDownDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
