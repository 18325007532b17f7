#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "CDlgMapPipeTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"

TEST(CDlgMapPipeTypes, GislineShowsTwoMappingColumnsAndNoStatusYetResolvesIt) {
  PreparedSheet sheet(SettingsFor(1));
  OpenPage(sheet, 1);
  auto& grid = Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid");
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.GetCellText(0, 1), L"L_TEMA");
  EXPECT_EQ(grid.GetCellText(0, 2), L"NETTYPE");
  EXPECT_FALSE(Control<QComboBox>(sheet, "PipeTypesPage", "StatusCombo").isVisible());
  EXPECT_FALSE(Control<QComboBox>(sheet, "PipeTypesPage", "QualityXYCombo").isVisible());
  EXPECT_EQ(ConfirmedData(sheet).StatusPipe, L"P: Prosjektert");
}

TEST(CDlgMapPipeTypes, ALowerCaseStatusKeepsItsSpellingUntilThePageShowsIt) {
  SOSIMapperData settings = SettingsFor(2);
  settings.StatusPipe = L"p: prosjektert";
  PreparedSheet sheet(settings);
  ShowSheet(sheet);
  EXPECT_EQ(sheet.GetPipeTypesPage().GetStatusPipe(), L"p: prosjektert");
  OpenPage(sheet, 1);
  auto& status = Control<QComboBox>(sheet, "PipeTypesPage", "StatusCombo");
  EXPECT_TRUE(status.isVisible());
  EXPECT_EQ(status.currentIndex(), 7);
  EXPECT_EQ(status.currentText(), QStringLiteral("P: Prosjektert"));
  EXPECT_EQ(ConfirmedData(sheet).StatusPipe, L"P: Prosjektert");
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
  EXPECT_EQ(status.currentText(), QStringLiteral("P: Prosjektert"));
}

TEST(CDlgMapPipeTypes, GeminiOffersFourCodeColumnsFromItsOwnLists) {
  PreparedSheet sheet(SettingsFor(2));
  OpenPage(sheet, 1);
  auto& grid = Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid");
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(grid.GetCellText(0, 4), L"TILFØRSEL");
  EXPECT_EQ(grid.GetCellChoices(3, 1).back(), QStringLiteral("AF: Avløp felles"));
  EXPECT_EQ(grid.GetCellChoices(3, 4), QStringList({"SE: Selvfall", "PU: Pumpet"}));
}
