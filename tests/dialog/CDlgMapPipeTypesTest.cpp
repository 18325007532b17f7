#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "CDlgMapPipeTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"

TEST(CDlgMapPipeTypes, GislineShowsTwoMappingColumnsAndNoStatusYetResolvesIt) {
  PreparedSheet sheet(SettingsFor(1));
  OpenPage(sheet, 1);
  auto& grid = Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid");
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.GetCellText(0, 2), L"NETTYPE");
  EXPECT_FALSE(Control<QComboBox>(sheet, "PipeTypesPage", "StatusCombo").isVisible());
  EXPECT_EQ(ConfirmedData(sheet).StatusPipe, L"P: Prosjektert");
}

TEST(CDlgMapPipeTypes, GeminiOffersFourCodeColumnsFromItsOwnLists) {
  PreparedSheet sheet(SettingsFor(2));
  OpenPage(sheet, 1);
  auto& grid = Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid");
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(grid.GetCellText(0, 4), L"TILFØRSEL");
  EXPECT_EQ(grid.GetCellChoices(3, 4), QStringList({"SE: Selvfall", "PU: Pumpet"}));
}

TEST(CDlgMapPipeTypes, ATypedStatusIsStoredAsTypedUntilItIsResolvedAgain) {
  PreparedSheet sheet(SettingsFor(2));
  OpenPage(sheet, 1);
  auto& status = Control<QComboBox>(sheet, "PipeTypesPage", "StatusCombo");
  status.lineEdit()->selectAll();
  QTest::keyClicks(status.lineEdit(), "X: Egen status");
  sheet.GetPipeTypesPage().StoreMappings();
  EXPECT_EQ(sheet.GetPipeTypesPage().GetStatusPipe(), L"X: Egen status");
  sheet.FillCodeLists();
  EXPECT_EQ(sheet.GetPipeTypesPage().GetStatusPipe(), L"P: Prosjektert");
}
