#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "CDlgMapConnectionTypes.h"
#include "CPipeTypesGrid.h"
#include "DialogTestSupport.h"
#include "DlgSOSIHeader.h"
#include "ModalRunner.h"

using platform::ScriptedDialogs;

namespace {

QStringList TabTitles(const CSosiExportPropertySheet& sheet) {
  auto* tabs = Find<QTabWidget>(sheet, "SheetTabs");
  QStringList titles;
  for (int i = 0; i < tabs->count(); ++i) titles << tabs->tabText(i);
  return titles;
}

void PickFileFormatWithKeyboard(CSosiExportPropertySheet& sheet, int position) {
  auto& combo = Control<QComboBox>(sheet, "HeaderPage", "FileFormatCombo");
  while (combo.currentIndex() < position) QTest::keyClick(&combo, Qt::Key_Down);
  while (combo.currentIndex() > position) QTest::keyClick(&combo, Qt::Key_Up);
  ProcessIdle();
}

QPushButton& OkButton(const CSosiExportPropertySheet& sheet) { return *Find<QPushButton>(sheet, "OkButton"); }

FeatureTable Table(std::initializer_list<std::pair<const std::wstring, CWsFeature>> entries) { return entries; }

}  // namespace

TEST(CSosiExportPropertySheet, PickingTheGeminiEntryAddsTheMaterialsPageAndAnotherRemovesIt) {
  TestConfig config;
  for (int last : {2, 0}) {
    SOSIMapperData settings = SettingsFor(1);
    settings.PipeMaterials[2] = Table({{L"PE", CWsFeature(L"PE", L"Polyetylen")}});
    settings.PipeMaterialsProductStandard[1] = Table({{L"PVC", CWsFeature(L"NS1", L"NS-EN 1401")}});
    CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
    Prepare(sheet, config, settings);
    ShowSheet(sheet);
    EXPECT_EQ(TabTitles(sheet), QStringList({"Hode", "Ledning", "Punkt"}));

    PickFileFormatWithKeyboard(sheet, 2);
    EXPECT_EQ(TabTitles(sheet), QStringList({"Hode", "Ledning", "Punkt", "Ledningsmateriale"}));
    PickFileFormatWithKeyboard(sheet, last);
    EXPECT_EQ(sheet.GetPageCount(), last == 2 ? 4 : 3);

    SOSIMapperData out;
    sheet.GetData(&out);
    EXPECT_EQ(out.FileFormat, last);
    EXPECT_EQ(out.PipeMaterials, settings.PipeMaterials);
    EXPECT_EQ(out.PipeMaterialsProductStandard, settings.PipeMaterialsProductStandard);
  }
}

TEST(CSosiExportPropertySheet, GridEntriesSurviveSwitchingTheVariantAndBack) {
  SOSIMapperData settings = SettingsFor(1);
  PreparedSheet sheet(settings);
  ShowSheet(sheet);
  OpenPage(sheet, 1);
  auto& grid = Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid");
  grid.model()->setData(grid.model()->index(1, 1), QStringLiteral("SP: Spillvannsledning"));
  OpenPage(sheet, 0);

  PickFileFormatWithKeyboard(sheet, 2);
  EXPECT_EQ(grid.GetCellText(2, 1), L"");
  EXPECT_EQ(grid.GetColCount(), 4);
  grid.model()->setData(grid.model()->index(0, 3), QStringLiteral("MU: Muffe"));
  PickFileFormatWithKeyboard(sheet, 1);
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.GetCellText(2, 0), L"SP 160 PVC");
  EXPECT_EQ(grid.GetCellText(2, 1), L"SP: Spillvannsledning");
  PickFileFormatWithKeyboard(sheet, 2);
  EXPECT_EQ(grid.GetCellText(1, 3), L"MU: Muffe");

  SOSIMapperData out = ConfirmedData(sheet);
  EXPECT_EQ(out.PipeTypes[1], Table({{L"SP 160 PVC", CWsFeature(L"SP", L"Spillvannsledning", 2)}}));
  EXPECT_EQ(out.PipeMethod[2], Table({{L"OV 250 PP", CWsFeature(L"MU", L"Muffe")}}));
}

TEST(CSosiExportPropertySheet, OkWaitsForAStoredFileNameAndBrowsingGivesOneAtTheNextIdleMoment) {
  Watchdog watchdog;
  SOSIMapperData settings = SettingsFor(1);
  settings.FileName.clear();
  PreparedSheet sheet(settings);
  ShowSheet(sheet);
  EXPECT_FALSE(OkButton(sheet).isEnabled());
  sheet.accept();
  EXPECT_TRUE(sheet.isVisible());

  const QString chosen = QString::fromStdString((sheet.Root() / "Vågå.sos").string());
  ScriptedDialogs scripts;
  scripts.Then("SosiFileDialog", [&](QDialog& d) { return platform::AnswerFileDialog(d, {chosen}); });
  Control<QPushButton>(sheet, "HeaderPage", "BrowseButton").click();
  EXPECT_EQ(Control<QLineEdit>(sheet, "HeaderPage", "FileNameEdit").text(), chosen);
  EXPECT_FALSE(OkButton(sheet).isEnabled());
  ProcessIdle();
  EXPECT_TRUE(OkButton(sheet).isEnabled());
}

TEST(CSosiExportPropertySheet, CancelLeavesTheSettingsAsTheyWere) {
  Watchdog watchdog;
  SOSIMapperData settings = SettingsFor(1);
  settings.PipeTypes[1] = Table({{L"VL 110 PE", CWsFeature(L"VL", L"Vannledning", 1)}});
  const SOSIMapperData before = settings;
  PreparedSheet sheet(settings);

  ScriptedDialogs scripts;
  scripts.Then("SosiExportSheet", [](QDialog& d) {
    auto& sheet = static_cast<CSosiExportPropertySheet&>(d);
    Control<QLineEdit>(sheet, "HeaderPage", "OwnerEdit").setText("Vågå kommune");
    PickFileFormatWithKeyboard(sheet, 2);
    Find<QPushButton>(sheet, "CancelButton")->click();
    return sheet.result();
  });
  EXPECT_EQ(sheet.DoModal(), CSosiExportPropertySheet::kIdCancel);
  EXPECT_EQ(settings, before);
  EXPECT_EQ(platform::ModalRunner::History(), std::deque<QString>{"SosiExportSheet"});
}

TEST(CSosiExportPropertySheet, OkWithoutVisitingThePointPageGivesItsTablesBackAndItsTextsResolved) {
  Watchdog watchdog;
  SOSIMapperData settings = SettingsFor(1);
  settings.ConnectionTypes[1] = Table({{L"Gammel kum", CWsFeature(L"KUM", L"Kum")}});
  settings.ConnectionUsage[2] = Table({{L"Hydrant", CWsFeature(L"K", L"Kommunal")}});
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
  EXPECT_EQ(out.ConnectionUsage, settings.ConnectionUsage);
  EXPECT_EQ(out.StatusConnection, L"P: Prosjektert");
  EXPECT_EQ(out.GeometryQualityXY, L"10: Prosjektert");
  EXPECT_EQ(out.GeometryQualityZ, L"6: Prosjektert");
}

TEST(CSosiExportPropertySheet, AMissingCatalogueStillOpensWithAnEmptyFileFormatList) {
  TestConfig config;
  config.RemoveCatalogue();
  CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
  Prepare(sheet, config, SettingsFor(1));
  ShowSheet(sheet);
  EXPECT_TRUE(sheet.GetFileFormats().empty());
  EXPECT_EQ(Control<QComboBox>(sheet, "HeaderPage", "FileFormatCombo").count(), 0);
  OpenPage(sheet, 1);
  auto& grid = Control<CPipeTypesGrid>(sheet, "PipeTypesPage", "MappingGrid");
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.GetCellText(0, 1), L"");
  EXPECT_EQ(grid.GetCellText(3, 0), L"VL 110 PE");
}

TEST(CSosiExportPropertySheet, ABatchConfirmationNeedsAFileNameAsTheOkButtonDoes) {
  TestConfig config;
  Watchdog watchdog;
  platform::ModalRunner::SetSession(platform::SessionKind::Batch);
  SOSIMapperData settings = SettingsFor(1);
  settings.FileName.clear();
  CSosiExportPropertySheet unnamed(L"SOSI Eksport", nullptr, 0);
  Prepare(unnamed, config, settings);
  EXPECT_EQ(unnamed.DoModal(), CSosiExportPropertySheet::kIdCancel);

  platform::ModalRunner::SetBatchAnswer("SosiExportSheet", [](QDialog& d) {
    auto& sheet = static_cast<CSosiExportPropertySheet&>(d);
    sheet.GetHeaderPage().EnterText("FileName", L"/tmp/Vågå.sos");
    sheet.accept();
    return sheet.result();
  });
  CSosiExportPropertySheet named(L"SOSI Eksport", nullptr, 0);
  Prepare(named, config, settings);
  EXPECT_EQ(named.DoModal(), CSosiExportPropertySheet::kIdOk);
  platform::ModalRunner::ClearBatchAnswers();
  SOSIMapperData out;
  named.GetData(&out);
  EXPECT_EQ(out.FileName, L"/tmp/Vågå.sos");
}
