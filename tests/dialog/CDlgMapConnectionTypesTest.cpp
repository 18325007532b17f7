#include <QComboBox>
#include <QTabWidget>

#include "CDlgMapConnectionTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"

namespace {

void OpenPointPage(CSosiExportPropertySheet& sheet) { OpenPage(sheet, 2); }

}  // namespace

TEST(CDlgMapConnectionTypes, GislineShowsTwoMappingColumnsAndNoLowerControls) {
  PreparedSheet sheet(SettingsFor(1));
  OpenPointPage(sheet);
  auto& grid = Control<CPipeTypesGrid>(sheet, "ConnectionTypesPage", "MappingGrid");
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.GetCellText(0, 0), L"PUNKTTYPE");
  EXPECT_EQ(grid.GetCellText(0, 2), L"FUNKSJON");
  EXPECT_EQ(grid.GetCellText(2, 0), L"Kum 1200 betong");
  for (const char* name : {"StatusCombo", "QualityXYCombo", "QualityZCombo", "StatusLabel", "QualityZLabel"}) {
    EXPECT_FALSE(Control<QWidget>(sheet, "ConnectionTypesPage", name).isVisible()) << name;
  }
}

TEST(CDlgMapConnectionTypes, AGroupWithoutTheFallbackGivesItsFirstEntry) {
  PreparedSheet sheet(SettingsFor(2));
  OpenPointPage(sheet);
  auto& z = Control<QComboBox>(sheet, "ConnectionTypesPage", "QualityZCombo");
  EXPECT_TRUE(z.isVisible());
  EXPECT_EQ(z.count(), 2);
  EXPECT_EQ(sheet.GetConnectionTypesPage().GetGeometryQualityZ(), L"5: GPS");
  EXPECT_EQ(Control<CPipeTypesGrid>(sheet, "ConnectionTypesPage", "MappingGrid").GetCellText(0, 3), L"BYGGEMETODE");
}

TEST(CDlgMapConnectionTypes, AStoredQualityStaysSelectedAcrossAVariantChange) {
  SOSIMapperData settings = SettingsFor(2);
  settings.GeometryQualityXY = L"15: Antatt/estimert";
  PreparedSheet sheet(settings);
  OpenPointPage(sheet);
  sheet.ChangeFileFormat(1);
  sheet.ChangeFileFormat(2);
  auto& xy = Control<QComboBox>(sheet, "ConnectionTypesPage", "QualityXYCombo");
  EXPECT_EQ(xy.currentText(), QStringLiteral("15: Antatt/estimert"));
  EXPECT_EQ(sheet.GetConnectionTypesPage().GetGeometryQualityXY(), L"15: Antatt/estimert");
}
