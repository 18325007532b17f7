#pragma once
// A spreadsheet-like grid on QTableWidget, addressed the way the mapping
// pages think of it: row 0 is the header row (shown as the column headers),
// column 0 the header column (read-only texts), data cells start at (1, 1).
// A data cell is either plain text, which the user cannot change, or a
// drop-down list that accepts only one of its choices or nothing. Writing
// a cell beyond the last row or column grows the grid to include it.
//
// Keyboard: arrows and Tab move between cells that are enabled; typing or
// F2 opens a drop-down cell's list (typing picks the first entry that starts
// with the letters), Enter takes the entry, Escape keeps the old one,
// Delete empties the cell, Ctrl+Z takes back the last recorded change.
// Columns share the width the page gives them; the user may widen one by
// hand, and a cell too narrow for its text shows the whole text as a
// tooltip.

#include <QStringList>
#include <QTableWidget>
#include <string>
#include <utility>
#include <vector>

class GridControl : public QTableWidget {
  Q_OBJECT

 public:
  explicit GridControl(QWidget* parent = nullptr);

  // Gives the grid its look and behaviour and forgets the undo history.
  void Initialize();

  // Width in pixels of the area the cells are drawn in.
  int GetClientWidth() const;

  // Column and row counts without the header column and the header row.
  void SetColCount(int count);
  int GetColCount() const;
  int GetRowCount() const;

  // Gives columns first to last (the header column is 0) the width.
  void SetColWidth(int first, int last, int width);

  // Writing to a negative row or column does nothing.
  void SetCellText(int row, int col, const std::wstring& text);
  // `choices` holds the entries separated by line feeds. The text is
  // written as given, also when it is not one of the choices.
  void SetDropDownCell(int row, int col, const std::wstring& choices, const std::wstring& text);
  std::wstring GetCellText(int row, int col) const;
  // Entries of a drop-down cell; empty for any other cell.
  QStringList GetCellChoices(int row, int col) const;

  // Per data column (element 0 is column 1): drop-down cells without a
  // code, or with a text that is not among their choices.
  std::vector<int> MissingCodeCounts() const;
  // The tooltip of a data cell: its whole text when the column cuts it, a
  // warning for a code that is not among the choices; else empty.
  QString CellToolTip(int row, int col) const;

  // Disabled cells cannot become the current cell.
  void DisableCells(int top, int left, int bottom, int right);
  bool IsCellEnabled(int row, int col) const;

  // False when the cell does not exist or is disabled.
  bool SetCurrentCell(int row, int col);

  // While recording is on, every change of a data cell can be taken back.
  void SetUndoRecording(bool on);
  bool IsUndoRecording() const { return recording_; }
  // Takes back the last recorded change; false when there is none.
  bool Undo();

 signals:
  // The user changed a cell, or took a change back.
  void CodesChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  struct Change {
    int row;
    int col;
    QString before;
  };

  QTableWidgetItem* CellItem(int row, int col) const;
  // Grows the grid to hold the cell; null for a negative row or column.
  QTableWidgetItem* EnsureCell(int row, int col);
  QTableWidgetItem* NewPlainItem(int col) const;
  // Gives every cell added since the grid had oldRows rows and oldColumns
  // columns an item, so that no cell is without one.
  void FillNewCells(int oldRows, int oldColumns);
  // Changes a cell by putting a changed copy of its item in its place.
  // Changing an item in place announces each change, and once the columns
  // have changed the table finds an item's place only by passing over all
  // items: filling a large grid that way took quadratic time.
  template <typename Edit>
  void ChangeCell(int row, int col, Edit edit);
  // Sets the item's text, recording the change when it is a data cell's.
  void Write(int row, int col, QTableWidgetItem& item, const QString& text);
  // Room for the header texts, wrapped into their columns.
  void FitHeaderHeight();
  void OnItemChanged(QTableWidgetItem* item);

  std::vector<Change> undo_;
  // The choices last given to each column, split: a page gives every row of
  // a column the same ones, and the column's cells then share one list.
  std::vector<std::pair<std::wstring, QStringList>> choicesByColumn_;
  bool recording_ = true;
  bool writing_ = false;
};
