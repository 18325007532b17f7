#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "GridControl.h"

namespace {

const std::wstring kChoices = L"SP: Spillvannsledning\nVL: Vannledning\nOV: Overvannsledning";

// A user change of a cell, the way every editor of the grid hands it over.
void UserSets(GridControl& grid, int row, int col, const QString& text) {
  grid.model()->setData(grid.model()->index(row - 1, col), text);
}

QComboBox* OpenEditor(GridControl& grid, int row, int col, Qt::Key key) {
  grid.show();
  if (!grid.SetCurrentCell(row, col)) return nullptr;
  QTest::keyClick(&grid, key);
  return grid.findChild<QComboBox*>(QStringLiteral("CellDropDown"));
}

}  // namespace

TEST(GridControl, UsersSetOnlyDropDownCellsAndOnlyToOneOfTheirChoicesOrNothing) {
  GridControl grid;
  grid.SetCellText(1, 2, L"fast");
  grid.SetDropDownCell(1, 1, kChoices, L"");
  UserSets(grid, 1, 2, QStringLiteral("annet"));
  EXPECT_EQ(grid.GetCellText(1, 2), L"fast");
  UserSets(grid, 1, 1, QStringLiteral("VL: Vannledning"));
  UserSets(grid, 1, 1, QStringLiteral("vl: vannledning"));
  EXPECT_EQ(grid.GetCellText(1, 1), L"VL: Vannledning");
  UserSets(grid, 1, 1, QString());
  EXPECT_EQ(grid.GetCellText(1, 1), L"");
}

TEST(GridControl, KeyboardOpensAListAsWideAsItsLongestEntryPicksAndClears) {
  GridControl grid;
  grid.SetColCount(1);
  grid.setColumnWidth(1, 40);
  grid.SetDropDownCell(1, 1, kChoices, L"");
  QComboBox* editor = OpenEditor(grid, 1, 1, Qt::Key_V);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->currentText(), QStringLiteral("VL: Vannledning"));
  EXPECT_GT(editor->view()->minimumWidth(), editor->fontMetrics().horizontalAdvance("SP: Spillvannsledning"));
  QTest::keyClick(editor, Qt::Key_Down);
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(grid.GetCellText(1, 1), L"OV: Overvannsledning");
  QTest::keyClick(&grid, Qt::Key_Delete);
  EXPECT_EQ(grid.GetCellText(1, 1), L"");
}

TEST(GridControl, EscapeKeepsTheOldEntry) {
  GridControl grid;
  grid.SetDropDownCell(1, 1, kChoices, L"SP: Spillvannsledning");
  QComboBox* editor = OpenEditor(grid, 1, 1, Qt::Key_F2);
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(grid.GetCellText(1, 1), L"SP: Spillvannsledning");
}

TEST(GridControl, DisabledCellsAndTheHeaderColumnNeverBecomeCurrent) {
  GridControl grid;
  grid.SetCellText(1, 0, L"SP 160 PVC");
  grid.SetDropDownCell(1, 1, kChoices, L"");
  grid.SetDropDownCell(1, 2, kChoices, L"");
  grid.DisableCells(1, 2, 1, 2);
  EXPECT_FALSE(grid.SetCurrentCell(1, 0));
  EXPECT_FALSE(grid.SetCurrentCell(1, 2));
  ASSERT_TRUE(grid.SetCurrentCell(1, 1));
  grid.show();
  QTest::keyClick(&grid, Qt::Key_Right);
  QTest::keyClick(&grid, Qt::Key_Left);
  EXPECT_EQ(grid.currentColumn(), 1);
  grid.SetDropDownCell(1, 2, kChoices, L"VL: Vannledning");
  EXPECT_FALSE(grid.IsCellEnabled(1, 2));
}

TEST(GridControl, UndoTakesBackRecordedChangesOfColumnsStillThere) {
  GridControl grid;
  grid.SetUndoRecording(false);
  grid.SetDropDownCell(1, 1, kChoices, L"SP: Spillvannsledning");
  grid.SetUndoRecording(true);
  grid.SetDropDownCell(1, 3, kChoices, L"SP: Spillvannsledning");
  UserSets(grid, 1, 1, QStringLiteral("VL: Vannledning"));
  UserSets(grid, 1, 1, QStringLiteral("OV: Overvannsledning"));
  grid.SetCurrentCell(1, 1);
  QTest::keyClick(&grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(grid.GetCellText(1, 1), L"VL: Vannledning");
  EXPECT_TRUE(grid.Undo());
  EXPECT_EQ(grid.GetCellText(1, 1), L"SP: Spillvannsledning");
  grid.SetColCount(2);
  EXPECT_FALSE(grid.Undo());
}

TEST(GridControl, CutTextsShowAsTooltips) {
  GridControl grid;
  grid.SetColCount(2);
  grid.SetDropDownCell(2, 2, kChoices, L"SP: Spillvannsledning");
  grid.setColumnWidth(2, 400);
  EXPECT_EQ(grid.CellToolTip(2, 2), QString());
  grid.setColumnWidth(2, 40);
  EXPECT_EQ(grid.CellToolTip(2, 2), QStringLiteral("SP: Spillvannsledning"));
}
