// The three mapping pages: what they share (CDlgMapTypes) and what each adds.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "CDlgMapConnectionTypes.h"
#include "CDlgMapPipeMaterials.h"
#include "CDlgMapPipeTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"
#include "DlgSOSIHeader.h"

namespace {

CPipeTypesGrid& OpenGrid(CSosiExportPropertySheet& sheet, int tab) {
  OpenPage(sheet, tab);
  return *Find<QTabWidget>(sheet, "SheetTabs")->currentWidget()->findChild<CPipeTypesGrid*>("MappingGrid");
}

const CWsFeature kVl(L"VL", L"Vannledning", 1);
const CWsFeature kPe(L"PE", L"Polyetylen");

}  // namespace

TEST(CDlgMapTypes, StoringKeepsExactlyTheRowsShownForTheCurrentVariant) {
  SOSIMapperData settings = SettingsFor(1);
  settings.PipeTypes[1] = {{L"VL 110 PE", kVl}, {L"Fjernet ledning", kVl}, {L"SP 160 PVC", CWsFeature(L"XX", L"Ukjent")}};
  settings.PipeTypes[2] = {{L"Fjernet ledning", kVl}};
  settings.PipeMethod[1] = {{L"VL 110 PE", CWsFeature(L"SV", L"Sveiset")}};
  PreparedSheet sheet(settings);
  CPipeTypesGrid& grid = OpenGrid(sheet, 1);
  EXPECT_EQ(grid.GetCellText(1, 1), L"");
  EXPECT_EQ(grid.GetCellChoices(1, 1), QStringList({"SP: Spillvannsledning", "VL: Vannledning", "OV: Overvannsledning"}));
  // A stale code is shown as it stands, and marked as one storing drops.
  EXPECT_EQ(grid.GetCellText(2, 1), L"XX: Ukjent");
  EXPECT_EQ(grid.CellToolTip(2, 1), QStringLiteral("«XX: Ukjent» er ikke blant kodene og blir ikke lagret"));
  sheet.GetPipeTypesPage().StoreMappings();
  const CDlgMapPipeTypes& page = sheet.GetPipeTypesPage();
  EXPECT_EQ(page.Column1Table.at(1), (FeatureTable{{L"VL 110 PE", kVl}}));
  EXPECT_EQ(page.Column1Table.at(2), settings.PipeTypes[2]);
  EXPECT_TRUE(page.Column3Table.at(1).empty());
}

TEST(CDlgMapTypes, TheCountsUnderTheGridFollowEditsAndVariants) {
  SOSIMapperData settings = SettingsFor(1);
  settings.ConnectionTypes[1] = {{L"Hydrant", CWsFeature(L"XX", L"Utgått")}};
  PreparedSheet sheet(settings);
  CPipeTypesGrid& grid = OpenGrid(sheet, 2);
  const QLabel& counts = Control<QLabel>(sheet, "ConnectionTypesPage", "MissingCodesLabel");
  EXPECT_EQ(counts.text(), QStringLiteral("Rader uten kode: P_TEMA 2 · FUNKSJON 2"));
  UserSets(grid, 2, 2, QStringLiteral("K: Kommunal"));
  UserSets(grid, 1, 1, QStringLiteral("KUM: Kum"));
  EXPECT_EQ(counts.text(), QStringLiteral("Rader uten kode: P_TEMA 1 · FUNKSJON 1"));
  ASSERT_TRUE(grid.Undo());
  EXPECT_EQ(counts.text(), QStringLiteral("Rader uten kode: P_TEMA 2 · FUNKSJON 1"));
  sheet.ChangeFileFormat(2);
  EXPECT_EQ(counts.text(), QStringLiteral("Rader uten kode: P_TEMA 2 · FUNKSJON 2 · BYGGEMETODE 2"));
}

TEST(CDlgMapTypes, EachPageShowsTheColumnsAndLowerControlsOfTheVariant) {
  struct Case {
    int format, tab;
    const char* page;
    int columns;
    const wchar_t* lastHeader;
    std::vector<const char*> shown;
  };
  const Case cases[] = {
      {1, 1, "PipeTypesPage", 2, L"NETTYPE", {}},
      {2, 1, "PipeTypesPage", 4, L"TILFØRSEL", {"StatusCombo"}},
      {1, 2, "ConnectionTypesPage", 2, L"FUNKSJON", {}},
      {2, 2, "ConnectionTypesPage", 3, L"BYGGEMETODE", {"StatusCombo", "QualityXYCombo", "QualityZCombo"}},
      {2, 3, "PipeMaterialsPage", 2, L"PRODUKTSTANDARD", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.page) + " " + std::to_string(c.format));
    PreparedSheet sheet(SettingsFor(c.format));
    CPipeTypesGrid& grid = OpenGrid(sheet, c.tab);
    EXPECT_EQ(grid.GetColCount(), c.columns);
    EXPECT_EQ(grid.GetCellText(0, c.columns), c.lastHeader);
    for (const char* control : {"StatusCombo", "QualityXYCombo", "QualityZCombo"}) {
      const bool shown = std::find(c.shown.begin(), c.shown.end(), std::string_view(control)) != c.shown.end();
      EXPECT_EQ(Control<QWidget>(sheet, c.page, control).isVisible(), shown) << control;
    }
  }
}

TEST(CDlgMapTypes, ATypedStatusIsStoredAsTypedUntilItIsResolvedAgain) {
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

TEST(CDlgMapTypes, AStoredQualityStaysSelectedAcrossAVariantChange) {
  SOSIMapperData settings = SettingsFor(2);
  settings.GeometryQualityXY = L"15: Antatt/estimert";
  PreparedSheet sheet(settings);
  OpenPage(sheet, 2);
  sheet.ChangeFileFormat(1);
  sheet.ChangeFileFormat(2);
  EXPECT_EQ(Control<QComboBox>(sheet, "ConnectionTypesPage", "QualityXYCombo").currentText(),
            QStringLiteral("15: Antatt/estimert"));
}

TEST(CDlgMapTypes, MaterialsStoreTheShownRowsOnOkOnlyWhileThePageIsInTheSheet) {
  SOSIMapperData settings = SettingsFor(2);
  settings.PipeMaterials[2] = {{L"PE", kPe}, {L"Støpejern", kPe}};
  settings.PipeMaterialsProductStandard[2] = {{L"PE", CWsFeature(L"NS1", L"NS-EN 1401")}};
  PreparedSheet sheet(settings);
  sheet.SetMaterialModelValues({{L"", L"X"}});
  CPipeTypesGrid& grid = OpenGrid(sheet, 3);
  EXPECT_EQ(grid.GetRowCount(), 3);
  UserSets(grid, 1, 1, QStringLiteral("BET: Betong"));
  // Leaving the sheet drops the page's edits; an unopened page keeps all.
  OpenPage(sheet, 0);
  sheet.GetHeaderPage().PickFileFormat(1);
  sheet.GetHeaderPage().PickFileFormat(2);
  EXPECT_EQ(ConfirmedData(sheet).PipeMaterials, settings.PipeMaterials);

  CPipeTypesGrid& again = OpenGrid(sheet, 3);
  EXPECT_EQ(again.GetCellText(1, 1), L"PE: Polyetylen");
  UserSets(again, 1, 2, QString());
  SOSIMapperData out = ConfirmedData(sheet);
  EXPECT_EQ(out.PipeMaterials[2], (FeatureTable{{L"PE", kPe}}));
  EXPECT_TRUE(out.PipeMaterialsProductStandard[2].empty());
}
