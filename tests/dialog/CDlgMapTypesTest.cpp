#include <QLabel>

#include "CDlgMapPipeTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"

namespace {

CPipeTypesGrid& OpenGrid(CSosiExportPropertySheet& sheet, int tab, const char* page) {
  OpenPage(sheet, tab);
  return Control<CPipeTypesGrid>(sheet, page, "MappingGrid");
}

const CWsFeature kVl(L"VL", L"Vannledning", 1);

}  // namespace

TEST(CDlgMapTypes, StoringKeepsExactlyTheRowsShownForTheCurrentVariant) {
  SOSIMapperData settings = SettingsFor(1);
  settings.PipeTypes[1] = {{L"VL 110 PE", kVl}, {L"Fjernet ledning", kVl}, {L"SP 160 PVC", CWsFeature(L"XX", L"Ukjent")}};
  settings.PipeTypes[2] = {{L"Fjernet ledning", kVl}};
  settings.PipeMethod[1] = {{L"VL 110 PE", CWsFeature(L"SV", L"Sveiset")}};
  PreparedSheet sheet(settings);
  CPipeTypesGrid& grid = OpenGrid(sheet, 1, "PipeTypesPage");
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

TEST(CDlgMapTypes, EqualCodeTextsStoreTheFirstFeature) {
  TestConfig config;
  config.WriteGroups(1, R"(<SOSIFeatureGroupData><PipeTypeFeatures>
      <Feature Name="VL" Description="Vannledning" Group="1"/><Feature Name="VL" Description="Vannledning" Group="7"/>
    </PipeTypeFeatures><PipeUsageFeatures/></SOSIFeatureGroupData>)");
  CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
  Prepare(sheet, config, SettingsFor(1));
  CPipeTypesGrid& grid = OpenGrid(sheet, 1, "PipeTypesPage");
  grid.model()->setData(grid.model()->index(0, 1), QStringLiteral("VL: Vannledning"));
  sheet.GetPipeTypesPage().StoreMappings();
  EXPECT_EQ(sheet.GetPipeTypesPage().Column1Table.at(1).at(L"OV 250 PP").Group(), 1);
}

TEST(CDlgMapTypes, TheCountsUnderTheGridFollowEditsAndVariants) {
  SOSIMapperData settings = SettingsFor(1);
  settings.ConnectionTypes[1] = {{L"Hydrant", CWsFeature(L"XX", L"Utgått")}};
  PreparedSheet sheet(settings);
  CPipeTypesGrid& grid = OpenGrid(sheet, 2, "ConnectionTypesPage");
  const QLabel& counts = Control<QLabel>(sheet, "ConnectionTypesPage", "MissingCodesLabel");
  EXPECT_EQ(counts.text(), QStringLiteral("Rader uten kode: P_TEMA 2 · FUNKSJON 2"));
  grid.model()->setData(grid.model()->index(1, 2), QStringLiteral("K: Kommunal"));
  grid.model()->setData(grid.model()->index(0, 1), QStringLiteral("KUM: Kum"));
  EXPECT_EQ(counts.text(), QStringLiteral("Rader uten kode: P_TEMA 1 · FUNKSJON 1"));
  ASSERT_TRUE(grid.Undo());
  EXPECT_EQ(counts.text(), QStringLiteral("Rader uten kode: P_TEMA 2 · FUNKSJON 1"));
  sheet.ChangeFileFormat(2);
  EXPECT_EQ(counts.text(), QStringLiteral("Rader uten kode: P_TEMA 2 · FUNKSJON 2 · BYGGEMETODE 2"));
}
