#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "CDlgMapConnectionTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"
#include "DlgSOSIHeader.h"
#include "ModalTestHooks.h"
#include "SOSIMapperDataWriter.h"
#include "WideText.h"

using platform::ScriptedDialogs;

namespace {

void PickFileFormatWithKeyboard(CSosiExportPropertySheet& sheet, int position) {
  auto& combo = Control<QComboBox>(sheet, "HeaderPage", "FileFormatCombo");
  while (combo.currentIndex() < position) QTest::keyClick(&combo, Qt::Key_Down);
  while (combo.currentIndex() > position) QTest::keyClick(&combo, Qt::Key_Up);
  ProcessIdle();
}

QPushButton& OkButton(const CSosiExportPropertySheet& sheet) { return *Find<QPushButton>(sheet, "OkButton"); }

FeatureTable Table(std::initializer_list<std::pair<const std::wstring, CWsFeature>> entries) { return entries; }

}  // namespace

TEST(CSosiExportPropertySheet, GridEntriesSurviveSwitchingTheVariantAndBack) {
  PreparedSheet sheet(SettingsFor(1));
  OpenPage(sheet, 1);
  auto& grid = Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid");
  UserSets(grid, 2, 1, QStringLiteral("SP: Spillvannsledning"));
  OpenPage(sheet, 0);
  PickFileFormatWithKeyboard(sheet, 2);
  EXPECT_EQ(grid.GetColCount(), 4);
  UserSets(grid, 1, 3, QStringLiteral("MU: Muffe"));
  PickFileFormatWithKeyboard(sheet, 1);
  EXPECT_EQ(grid.GetCellText(2, 1), L"SP: Spillvannsledning");
  PickFileFormatWithKeyboard(sheet, 2);
  EXPECT_EQ(grid.GetCellText(1, 3), L"MU: Muffe");
  SOSIMapperData out = ConfirmedData(sheet);
  EXPECT_EQ(out.PipeTypes[1], Table({{L"SP 160 PVC", CWsFeature(L"SP", L"Spillvannsledning", 2)}}));
  EXPECT_EQ(out.PipeMethod[2], Table({{L"OV 250 PP", CWsFeature(L"MU", L"Muffe")}}));
}

TEST(CSosiExportPropertySheet, OkWaitsForAStoredFileNameAndSaysHowToGetOne) {
  SOSIMapperData settings = SettingsFor(1);
  settings.FileName.clear();
  PreparedSheet sheet(settings);
  OpenPage(sheet, 0);
  EXPECT_FALSE(OkButton(sheet).isEnabled());
  EXPECT_EQ(OkButton(sheet).toolTip(), QStringLiteral("Velg SOSI-fil med «...», eller gå til en annen side"));
  sheet.accept();
  EXPECT_TRUE(sheet.isVisible());

  // Typing counts once the page is left; browsing at once, from the next idle moment.
  QTest::keyClicks(&Control<QLineEdit>(sheet, "HeaderPage", "FileNameEdit"), "/tmp/Vannledning.sos");
  ProcessIdle();
  EXPECT_FALSE(OkButton(sheet).isEnabled());
  OpenPage(sheet, 1);
  EXPECT_TRUE(OkButton(sheet).isEnabled());
  EXPECT_TRUE(OkButton(sheet).toolTip().isEmpty());

  sheet.GetHeaderPage().SetFileName(L"");
  OpenPage(sheet, 0);
  const QString chosen = QString::fromStdString(sheet.Dir().File("Vågå.sos").string());
  ScriptedDialogs scripts;
  scripts.Then("SosiFileDialog", [&](QDialog& d) { return platform::AnswerFileDialog(d, {chosen}); });
  Control<QPushButton>(sheet, "HeaderPage", "BrowseButton").click();
  EXPECT_EQ(Control<QLineEdit>(sheet, "HeaderPage", "FileNameEdit").text(), chosen);
  ProcessIdle();
  EXPECT_TRUE(OkButton(sheet).isEnabled());
}

TEST(CSosiExportPropertySheet, OkWithoutVisitingThePointPageGivesItsTablesBackAndItsTextsResolved) {
  SOSIMapperData settings = SettingsFor(1);
  settings.ConnectionTypes[1] = Table({{L"Gammel kum", CWsFeature(L"KUM", L"Kum")}});
  PreparedSheet sheet(settings);
  ScriptedDialogs scripts;
  scripts.Then("SosiExportSheet", [](QDialog& d) {
    OkButton(static_cast<CSosiExportPropertySheet&>(d)).click();
    return d.result();
  });
  ASSERT_EQ(sheet.DoModal(), CSosiExportPropertySheet::kIdOk);
  EXPECT_FALSE(sheet.GetConnectionTypesPage().HasWindow());
  SOSIMapperData out = settings;
  sheet.GetData(&out);
  EXPECT_EQ(out.ConnectionTypes, settings.ConnectionTypes);
  EXPECT_EQ(out.StatusConnection, L"P: Prosjektert");
  EXPECT_EQ(out.GeometryQualityXY, L"10: Prosjektert");
  EXPECT_EQ(out.GeometryQualityZ, L"6: Prosjektert");
}

TEST(CSosiExportPropertySheet, AMissingOrShortCatalogueStillOpensWithNothingSelected) {
  const std::pair<const char*, int> catalogues[] = {
      {"", 0},
      {"<SOSIExportFileFormats><FileFormat><DisplayName>SOSI</DisplayName></FileFormat>"
       "<FileFormat><DisplayName>GISLINE</DisplayName></FileFormat></SOSIExportFileFormats>", 2}};
  for (const auto& [xml, entries] : catalogues) {
    TestConfig config;
    config.WriteCatalogue(xml);
    CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
    Prepare(sheet, config, SettingsFor(2));
    OpenPage(sheet, 1);
    auto& formats = Control<QComboBox>(sheet, "HeaderPage", "FileFormatCombo");
    EXPECT_EQ(formats.count(), entries);
    EXPECT_EQ(formats.currentIndex(), -1);
    EXPECT_EQ(sheet.GetFileFormat(), 2);
    EXPECT_EQ(Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid").GetCellText(3, 0), L"VL 110 PE");
  }
}

TEST(CSosiExportPropertySheet, AtItsMinimumSizeNoPageCutsALabelOrButton) {
  PreparedSheet sheet(SettingsFor(2));
  for (int page = 0; page < 4; ++page) {
    OpenPage(sheet, page);
    sheet.resize(1, 1);
    ProcessIdle();
    EXPECT_EQ(CutTexts(sheet), QStringList()) << "page " << page;
  }
}

TEST(CSosiExportPropertySheet, TheNoCodePlaceholderIsNeverStored) {
  PreparedSheet sheet(SettingsFor(2));
  for (int page = 1; page < 4; ++page) OpenPage(sheet, page);
  SOSIMapperData out = ConfirmedData(sheet);
  const std::filesystem::path file = sheet.Dir().File("stored.cfg.xml");
  ASSERT_TRUE(SaveSOSIMapperData(out, platform::FromUtf8(file.string())));
  EXPECT_EQ(ReadBytes(file).find("ingen kode"), std::string::npos);
}
