#include <QTabWidget>

#include "CDlgMapPipeTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"

namespace {

CPipeTypesGrid& OpenPipeTypesPage(CSosiExportPropertySheet& sheet) {
  OpenPage(sheet, 1);
  return Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid");
}

const CWsFeature kVl(L"VL", L"Vannledning", 1);
const CWsFeature kSp(L"SP", L"Spillvannsledning", 2);

}  // namespace

TEST(CDlgMapTypes, StoringKeepsExactlyTheRowsShownForTheCurrentVariant) {
  SOSIMapperData settings = SettingsFor(1);
  settings.PipeTypes[1] = {{L"VL 110 PE", kVl}, {L"Fjernet ledning", kVl}, {L"SP 160 PVC", CWsFeature(L"XX", L"Ukjent")}};
  settings.PipeTypes[2] = {{L"Fjernet ledning", kSp}};
  settings.PipeMethod[1] = {{L"VL 110 PE", CWsFeature(L"SV", L"Sveiset")}};
  PreparedSheet sheet(settings);
  CPipeTypesGrid& grid = OpenPipeTypesPage(sheet);
  EXPECT_EQ(grid.GetCellText(1, 1), L"");
  EXPECT_EQ(grid.GetCellChoices(1, 1),
            QStringList({"SP: Spillvannsledning", "VL: Vannledning", "OV: Overvannsledning"}));
  EXPECT_EQ(grid.GetCellText(2, 1), L"XX: Ukjent");
  EXPECT_EQ(grid.GetCellText(3, 1), L"VL: Vannledning");

  sheet.GetPipeTypesPage().StoreMappings();
  const FeatureTablesByFormat& types = sheet.GetPipeTypesPage().Column1Table;
  EXPECT_EQ(types.at(1), (FeatureTable{{L"VL 110 PE", kVl}}));
  EXPECT_EQ(types.at(2), settings.PipeTypes[2]);
  EXPECT_TRUE(sheet.GetPipeTypesPage().Column3Table.at(1).empty());
  EXPECT_TRUE(sheet.GetPipeTypesPage().Column4Table.at(1).empty());
}

TEST(CDlgMapTypes, EqualCodeTextsStoreTheFirstFeature) {
  TestConfig config;
  config.WriteGroups(1, R"(<SOSIFeatureGroupData>
    <PipeTypeFeatures>
      <Feature Name="VL" Description="Vannledning" Group="1"/>
      <Feature Name="VL" Description="Vannledning" Group="7"/>
    </PipeTypeFeatures>
    <PipeUsageFeatures/>
  </SOSIFeatureGroupData>)");
  CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
  Prepare(sheet, config, SettingsFor(1));
  CPipeTypesGrid& grid = OpenPipeTypesPage(sheet);
  grid.model()->setData(grid.model()->index(0, 1), QStringLiteral("VL: Vannledning"));
  sheet.GetPipeTypesPage().StoreMappings();
  EXPECT_EQ(sheet.GetPipeTypesPage().Column1Table.at(1).at(L"OV 250 PP").Group(), 1);
}

