#pragma once
// The editor and the look of the grid's drop-down cells. The editor is a
// list that offers the cell's choices and an empty entry, lets nothing else
// in and opens as wide as its longest entry. A cell without a code shows a
// grey, italic placeholder ("ingen kode"); a cell whose text is not among its choices (a
// code that storing will drop) is struck through in red. Both are only
// painted: the cell's text stays what it is.

#include <QStyledItemDelegate>

// Item data role under which a drop-down cell keeps its choices (QStringList).
inline constexpr int kChoicesRole = Qt::UserRole;

// What a cell holds, as far as codes go.
enum class CodeState { NotACodeCell, Chosen, Missing, Stale };
CodeState CodeStateOf(const QModelIndex& index);

class DropDownDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
