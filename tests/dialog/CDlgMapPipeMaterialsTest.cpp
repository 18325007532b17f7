#include "CDlgMapPipeMaterials.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"
#include "DlgSOSIHeader.h"

namespace {

const CWsFeature kPe(L"PE", L"Polyetylen");
const CWsFeature kPvc(L"PVC", L"Polyvinylklorid");
const CWsFeature kNs1(L"NS1", L"NS-EN 1401");

SOSIMapperData MaterialSettings() {
  SOSIMapperData settings = SettingsFor(2);
  settings.PipeMaterials[2] = {{L"PE", kPe}, {L"PVC", kPvc}, {L"Støpejern", kPe}};
  settings.PipeMaterialsProductStandard[2] = {{L"PVC", kNs1}};
  return settings;
}

CPipeTypesGrid& OpenMaterialsPage(CSosiExportPropertySheet& sheet) {
  OpenPage(sheet, 3);
  return Control<CPipeTypesGrid>(sheet, "PipeMaterialsPage", "MappingGrid");
}

}  // namespace

TEST(CDlgMapPipeMaterials, OkStoresTheShownRowsAndAnEmptiedStandard) {
  PreparedSheet sheet(MaterialSettings());
  sheet.SetMaterialModelValues({{L"", L"X"}});
  CPipeTypesGrid& grid = OpenMaterialsPage(sheet);
  EXPECT_EQ(grid.GetRowCount(), 3);
  EXPECT_EQ(grid.GetCellText(3, 2), L"NS1: NS-EN 1401");
  grid.model()->setData(grid.model()->index(2, 2), QString());
  SOSIMapperData out = ConfirmedData(sheet);
  EXPECT_EQ(out.PipeMaterials[2], (FeatureTable{{L"PE", kPe}, {L"PVC", kPvc}}));
  EXPECT_TRUE(out.PipeMaterialsProductStandard[2].empty());
}

TEST(CDlgMapPipeMaterials, EditsAreLostWhenThePageLeavesTheSheetAndAnUnopenedPageKeepsAll) {
  const SOSIMapperData settings = MaterialSettings();
  PreparedSheet sheet(settings);
  CPipeTypesGrid& grid = OpenMaterialsPage(sheet);
  grid.model()->setData(grid.model()->index(0, 1), QStringLiteral("BET: Betong"));
  OpenPage(sheet, 0);
  sheet.GetHeaderPage().PickFileFormat(1);
  sheet.GetHeaderPage().PickFileFormat(2);
  EXPECT_EQ(OpenMaterialsPage(sheet).GetCellText(1, 1), L"PE: Polyetylen");

  OpenPage(sheet, 0);
  sheet.GetHeaderPage().PickFileFormat(1);
  sheet.GetHeaderPage().PickFileFormat(2);
  EXPECT_EQ(ConfirmedData(sheet).PipeMaterials, settings.PipeMaterials);
}
