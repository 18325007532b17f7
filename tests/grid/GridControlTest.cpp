#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QTest>

#include "GridControl.h"

namespace {

const std::wstring kChoices = L"SP: Spillvannsledning\nVL: Vannledning\nOV: Overvannsledning";

// A user change of a cell, the way every editor of the grid hands it over.
void UserSets(GridControl& grid, int row, int col, const QString& text) {
  grid.model()->setData(grid.model()->index(row - 1, col), text);
}

}  // namespace

TEST(GridControl, WritingBeyondTheLastRowOrColumnGrowsTheGrid) {
  GridControl grid;
  EXPECT_EQ(grid.GetColCount(), 0);
  grid.SetCellText(-1, 1, L"utenfor");
  EXPECT_EQ(grid.GetRowCount(), 0);
  grid.SetColCount(2);
  grid.SetCellText(3, 4, L"Kum");
  EXPECT_EQ(grid.GetRowCount(), 3);
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(grid.GetCellText(3, 4), L"Kum");
}

TEST(GridControl, UsersSetOnlyDropDownCellsAndOnlyToOneOfTheirChoicesOrNothing) {
  GridControl grid;
  grid.SetCellText(1, 0, L"SP 160 PVC");
  grid.SetCellText(1, 2, L"fast");
  grid.SetDropDownCell(1, 1, kChoices, L"");
  UserSets(grid, 1, 0, QStringLiteral("annet"));
  UserSets(grid, 1, 2, QStringLiteral("annet"));
  EXPECT_EQ(grid.GetCellText(1, 0), L"SP 160 PVC");
  EXPECT_EQ(grid.GetCellText(1, 2), L"fast");
  UserSets(grid, 1, 1, QStringLiteral("VL: Vannledning"));
  UserSets(grid, 1, 1, QStringLiteral("XX: Ukjent"));
  UserSets(grid, 1, 1, QStringLiteral("vl: vannledning"));
  EXPECT_EQ(grid.GetCellText(1, 1), L"VL: Vannledning");
  UserSets(grid, 1, 1, QString());
  EXPECT_EQ(grid.GetCellText(1, 1), L"");
}

TEST(GridControl, KeyboardOpensTheListPicksAndClears) {
  GridControl grid;
  grid.SetCellText(1, 0, L"VL 110 PE");
  grid.SetDropDownCell(1, 1, kChoices, L"");
  grid.show();
  ASSERT_TRUE(grid.SetCurrentCell(1, 1));

  QTest::keyClick(&grid, Qt::Key_V);
  auto* editor = grid.findChild<QComboBox*>(QStringLiteral("CellDropDown"));
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->currentText(), QStringLiteral("VL: Vannledning"));
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
  grid.show();
  ASSERT_TRUE(grid.SetCurrentCell(1, 1));
  QTest::keyClick(&grid, Qt::Key_F2);
  auto* editor = grid.findChild<QComboBox*>(QStringLiteral("CellDropDown"));
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->currentText(), QStringLiteral("SP: Spillvannsledning"));
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
  EXPECT_FALSE(grid.SetCurrentCell(2, 1));
  ASSERT_TRUE(grid.SetCurrentCell(1, 1));
  grid.show();
  QTest::keyClick(&grid, Qt::Key_Right);
  QTest::keyClick(&grid, Qt::Key_Left);
  QTest::keyClick(&grid, Qt::Key_Left);
  EXPECT_EQ(grid.currentColumn(), 1);
  EXPECT_FALSE(grid.IsCellEnabled(1, 2));
  // A disabled cell stays disabled when it is written again.
  grid.SetDropDownCell(1, 2, kChoices, L"VL: Vannledning");
  EXPECT_FALSE(grid.IsCellEnabled(1, 2));
}

TEST(GridControl, UndoTakesBackRecordedChangesOnly) {
  GridControl grid;
  grid.SetUndoRecording(false);
  grid.SetDropDownCell(1, 1, kChoices, L"SP: Spillvannsledning");
  grid.SetUndoRecording(true);
  UserSets(grid, 1, 1, QStringLiteral("VL: Vannledning"));
  UserSets(grid, 1, 1, QStringLiteral("OV: Overvannsledning"));
  grid.SetCurrentCell(1, 1);
  QTest::keyClick(&grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(grid.GetCellText(1, 1), L"VL: Vannledning");
  EXPECT_TRUE(grid.Undo());
  EXPECT_FALSE(grid.Undo());
  EXPECT_EQ(grid.GetCellText(1, 1), L"SP: Spillvannsledning");
}

TEST(GridControl, FewerColumnsDropTheirCellsAndTheirUndo) {
  GridControl grid;
  grid.SetColCount(4);
  grid.SetDropDownCell(1, 4, kChoices, L"SP: Spillvannsledning");
  grid.SetColCount(2);
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.GetCellText(1, 4), L"");
  EXPECT_FALSE(grid.Undo());
  grid.SetColCount(4);
  EXPECT_EQ(grid.GetCellText(1, 4), L"");
  EXPECT_TRUE(grid.GetCellChoices(1, 4).isEmpty());
}

TEST(GridControl, EachColumnKeepsTheChoicesItWasGivenLast) {
  GridControl grid;
  const std::wstring other = L"H: Hovedledning\nS: Stikkledning";
  for (int row = 1; row <= 3; ++row) {
    grid.SetDropDownCell(row, 1, kChoices, L"");
    grid.SetDropDownCell(row, 2, other, L"");
  }
  grid.SetDropDownCell(4, 1, other, L"S: Stikkledning");
  EXPECT_EQ(grid.GetCellChoices(3, 2), (QStringList{"H: Hovedledning", "S: Stikkledning"}));
  EXPECT_EQ(grid.GetCellChoices(4, 1), (QStringList{"H: Hovedledning", "S: Stikkledning"}));
  UserSets(grid, 1, 1, QStringLiteral("VL: Vannledning"));
  UserSets(grid, 4, 1, QStringLiteral("VL: Vannledning"));
  EXPECT_EQ(grid.GetCellText(1, 1), L"VL: Vannledning");
  EXPECT_EQ(grid.GetCellText(4, 1), L"S: Stikkledning");
}

TEST(GridControl, WritingCellsKeepsTheirKindAndRecordsWhereTheyChanged) {
  GridControl grid;
  grid.SetColCount(3);
  grid.SetCellText(1, 0, L"SP 160 PVC");
  grid.SetDropDownCell(1, 2, kChoices, L"SP: Spillvannsledning");
  grid.SetDropDownCell(1, 3, kChoices, L"OV: Overvannsledning");
  grid.SetCellText(1, 0, L"SP 200 PVC");
  EXPECT_FALSE(grid.IsCellEnabled(1, 0));
  grid.SetDropDownCell(1, 2, kChoices, L"VL: Vannledning");
  UserSets(grid, 1, 2, QStringLiteral("nei"));
  EXPECT_EQ(grid.GetCellText(1, 2), L"VL: Vannledning");
  ASSERT_TRUE(grid.Undo());
  EXPECT_EQ(grid.GetCellText(1, 2), L"SP: Spillvannsledning");
  EXPECT_EQ(grid.GetCellText(1, 3), L"OV: Overvannsledning");
  ASSERT_TRUE(grid.Undo());
  EXPECT_EQ(grid.GetCellText(1, 0), L"SP 160 PVC");
}
