#include <QComboBox>

#include "CDlgMapConnectionTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"

TEST(CDlgMapConnectionTypes, GislineShowsTwoMappingColumnsAndNoLowerControls) {
  PreparedSheet sheet(SettingsFor(1));
  OpenPage(sheet, 2);
  auto& grid = Control<CPipeTypesGrid>(sheet, "ConnectionTypesPage", "MappingGrid");
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.GetCellText(0, 2), L"FUNKSJON");
  for (const char* name : {"StatusCombo", "QualityXYCombo", "QualityZCombo", "StatusLabel", "QualityZLabel"}) {
    EXPECT_FALSE(Control<QWidget>(sheet, "ConnectionTypesPage", name).isVisible()) << name;
  }
}

TEST(CDlgMapConnectionTypes, AStoredQualityStaysSelectedAcrossAVariantChange) {
  SOSIMapperData settings = SettingsFor(2);
  settings.GeometryQualityXY = L"15: Antatt/estimert";
  PreparedSheet sheet(settings);
  OpenPage(sheet, 2);
  sheet.ChangeFileFormat(1);
  sheet.ChangeFileFormat(2);
  auto& xy = Control<QComboBox>(sheet, "ConnectionTypesPage", "QualityXYCombo");
  EXPECT_EQ(xy.currentText(), QStringLiteral("15: Antatt/estimert"));
}
