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
  TestConfig config;
  SOSIMapperData settings = SettingsFor(1);
  settings.PipeTypes[1] = {{L"VL 110 PE", kVl}, {L"Fjernet ledning", kVl}, {L"SP 160 PVC", CWsFeature(L"XX", L"Ukjent")}};
  settings.PipeTypes[2] = {{L"Fjernet ledning", kSp}};
  settings.PipeMethod[1] = {{L"VL 110 PE", CWsFeature(L"SV", L"Sveiset")}};
  CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
  Prepare(sheet, config, settings);
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

TEST(CDlgMapTypes, HeadersComeFromTheCatalogueRecordOfAValidValueOnly) {
  TestConfig config;
  CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
  Prepare(sheet, config, SettingsFor(1));
  ShowSheet(sheet);
  CDlgMapPipeTypes& page = sheet.GetPipeTypesPage();
  page.BuildColumnHeaders(2);
  EXPECT_EQ(page.GetHeaderTexts(),
            (std::vector<std::wstring>{L"LEDNINGSTYPE", L"L_TEMA", L"NETTYPE", L"SKJØTEMETODE", L"TILFØRSEL"}));
  page.BuildColumnHeaders(0);
  EXPECT_EQ(page.GetHeaderTexts(), (std::vector<std::wstring>{L"MODELL", L"TEMA", L"BRUK"}));
  for (int format : {3, -1}) {
    page.BuildColumnHeaders(format);
    EXPECT_TRUE(page.GetHeaderTexts().empty()) << format;
  }
}

TEST(CDlgMapTypes, APageWithoutSheetOffersNothingAndStoresNothing) {
  CDlgMapPipeTypes page;
  page.AddModelValues({L"VL 110 PE", L"", L"VL 110 PE"});
  EXPECT_EQ(page.GetModelValues(), (std::vector<std::wstring>{L"VL 110 PE", L"VL 110 PE"}));
  page.Column1Table[0] = {{L"VL 110 PE", kVl}};
  page.show();
  auto* grid = Find<CPipeTypesGrid>(page, "MappingGrid");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->GetColCount(), 2);
  EXPECT_EQ(grid->GetCellText(1, 1), L"VL: Vannledning");
  EXPECT_TRUE(grid->GetCellChoices(1, 1).isEmpty());
  grid->SetDropDownCell(1, 1, L"", L"");
  page.StoreMappings();
  EXPECT_EQ(page.Column1Table.at(0).size(), 1u);
}
