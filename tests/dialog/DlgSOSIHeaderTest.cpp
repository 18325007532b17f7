#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "DialogTestSupport.h"
#include "DlgSOSIHeader.h"
#include "ModalRunner.h"

using platform::ScriptedDialogs;

namespace {

QComboBox& HeaderCombo(const CSosiExportPropertySheet& sheet, const char* name) {
  return Control<QComboBox>(sheet, "HeaderPage", name);
}

QLineEdit& HeaderBox(const CSosiExportPropertySheet& sheet, const char* name) {
  return Control<QLineEdit>(sheet, "HeaderPage", name);
}

}  // namespace

TEST(DlgSOSIHeader, GeminiSelectsTheThirdEntryAndHidesStatusWhichIsStillResolved) {
  SOSIMapperData settings = SettingsFor(2);
  settings.Status = L"n: nedlagt";
  PreparedSheet sheet(settings);
  ShowSheet(sheet);
  EXPECT_EQ(HeaderCombo(sheet, "FileFormatCombo").currentText(), QStringLiteral("SOSI, Gemini VA"));
  EXPECT_EQ(sheet.GetPageCount(), 4);
  EXPECT_FALSE(HeaderCombo(sheet, "StatusCombo").isVisible());
  EXPECT_FALSE(Control<QLabel>(sheet, "HeaderPage", "StatusLabel").isVisible());
  SOSIMapperData out;
  sheet.GetData(&out);
  EXPECT_EQ(out.Status, L"N: Nedlagt");

  HeaderCombo(sheet, "FileFormatCombo").setCurrentIndex(1);
  EXPECT_TRUE(HeaderCombo(sheet, "StatusCombo").isVisible());
}

TEST(DlgSOSIHeader, EmptyStatusBecomesTheLastEntryAndEmptyNetLevelTheFirst) {
  PreparedSheet sheet(SettingsFor(1));
  ShowSheet(sheet);
  EXPECT_EQ(HeaderCombo(sheet, "StatusCombo").currentText(), QStringLiteral("W: Planlagt prosjektert"));
  EXPECT_EQ(HeaderCombo(sheet, "NetLevelCombo").currentText(), QStringLiteral("H: Hovednett"));
  EXPECT_EQ(sheet.GetHeaderPage().GetStatus(), L"W: Planlagt prosjektert");
}

TEST(DlgSOSIHeader, NetLevelFollowsPicksButNotTyping) {
  PreparedSheet sheet(SettingsFor(1));
  ShowSheet(sheet);
  QComboBox& netLevel = HeaderCombo(sheet, "NetLevelCombo");
  QTest::keyClick(&netLevel, Qt::Key_Down);
  EXPECT_EQ(sheet.GetHeaderPage().GetNetLevel(), L"S: Stikknett");
  netLevel.lineEdit()->selectAll();
  QTest::keyClicks(netLevel.lineEdit(), "X: Eget nett");
  EXPECT_EQ(ConfirmedData(sheet).NetLevel, L"S: Stikknett");
}

TEST(DlgSOSIHeader, CancelledBrowsingKeepsTheFileNameAndWhatWasTyped) {
  Watchdog watchdog;
  PreparedSheet sheet(SettingsFor(1));
  ShowSheet(sheet);
  HeaderBox(sheet, "OwnerEdit").setText(QStringLiteral("Vågå kommune"));
  QString initial;
  ScriptedDialogs scripts;
  scripts.Then("SosiFileDialog", [&](QDialog& d) {
    initial = static_cast<QFileDialog&>(d).selectedFiles().value(0);
    return int(QDialog::Rejected);
  });
  Control<QPushButton>(sheet, "HeaderPage", "BrowseButton").click();
  EXPECT_EQ(initial, QStringLiteral("/tmp/Ledningsnett.sos"));
  EXPECT_EQ(sheet.GetHeaderPage().GetFileName(), L"/tmp/Ledningsnett.sos");
  EXPECT_EQ(sheet.GetHeaderPage().GetOwner(), L"Vågå kommune");
}

TEST(DlgSOSIHeader, ATypedFileNameCountsOnceThePageIsLeft) {
  SOSIMapperData settings = SettingsFor(1);
  settings.FileName.clear();
  PreparedSheet sheet(settings);
  ShowSheet(sheet);
  QTest::keyClicks(&HeaderBox(sheet, "FileNameEdit"), "/tmp/Vannledning.sos");
  ProcessIdle();
  EXPECT_FALSE(Find<QPushButton>(sheet, "OkButton")->isEnabled());
  OpenPage(sheet, 1);
  EXPECT_TRUE(Find<QPushButton>(sheet, "OkButton")->isEnabled());
  EXPECT_EQ(sheet.GetHeaderPage().GetFileName(), L"/tmp/Vannledning.sos");
}

TEST(DlgSOSIHeader, AValueBeyondTheCatalogueSelectsNothing) {
  TestConfig config;
  config.WriteCatalogue(R"(<SOSIExportFileFormats>
    <FileFormat><DisplayName>SOSI</DisplayName></FileFormat>
    <FileFormat><DisplayName>GISLINE</DisplayName></FileFormat>
  </SOSIExportFileFormats>)");
  CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
  Prepare(sheet, config, SettingsFor(2));
  ShowSheet(sheet);
  EXPECT_EQ(HeaderCombo(sheet, "FileFormatCombo").count(), 2);
  EXPECT_EQ(HeaderCombo(sheet, "FileFormatCombo").currentIndex(), -1);
  EXPECT_EQ(sheet.GetFileFormat(), 2);
}

TEST(DlgSOSIHeader, BatchAnswersTypeAndPickAsAUserWould) {
  PreparedSheet sheet(SettingsFor(1));
  DlgSOSIHeader& header = sheet.GetHeaderPage();
  EXPECT_TRUE(header.EnterText("Producer", L"Norconsult"));
  EXPECT_FALSE(header.PickFileFormat(2));
  ShowSheet(sheet);
  EXPECT_TRUE(header.EnterText("Projection", L"NTM"));
  EXPECT_EQ(HeaderBox(sheet, "ProjectionEdit").text(), QStringLiteral("NTM"));
  EXPECT_FALSE(header.EnterText("Status", L"E: Eksisterende"));
  EXPECT_FALSE(header.EnterText("", L"tekst"));
  EXPECT_FALSE(header.PickFileFormat(3));
  EXPECT_TRUE(header.PickFileFormat(2));
  EXPECT_EQ(sheet.GetPageCount(), 4);
  SOSIMapperData out;
  sheet.GetData(&out);
  EXPECT_EQ(out.Producer, L"Norconsult");
  EXPECT_EQ(out.Projection, L"NTM");
  EXPECT_EQ(out.FileFormat, 2);
}

