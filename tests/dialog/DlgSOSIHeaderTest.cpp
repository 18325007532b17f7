#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CoordinateSystemNames.h"
#include "DialogTestSupport.h"
#include "DlgSOSIHeader.h"
#include "ModalTestHooks.h"

namespace {

QComboBox& HeaderCombo(const CSosiExportPropertySheet& sheet, const char* name) {
  return Control<QComboBox>(sheet, "HeaderPage", name);
}

}  // namespace

TEST(DlgSOSIHeader, GeminiSelectsTheThirdEntryAndHidesStatusWhichIsStillResolved) {
  SOSIMapperData settings = SettingsFor(2);
  settings.Status = L"n: nedlagt";
  PreparedSheet sheet(settings);
  OpenPage(sheet, 0);
  EXPECT_EQ(HeaderCombo(sheet, "FileFormatCombo").currentText(), QStringLiteral("SOSI, Gemini VA"));
  EXPECT_FALSE(HeaderCombo(sheet, "StatusCombo").isVisible());
  EXPECT_FALSE(Control<QLabel>(sheet, "HeaderPage", "StatusLabel").isVisible());
  EXPECT_EQ(sheet.GetHeaderPage().GetStatus(), L"N: Nedlagt");
  HeaderCombo(sheet, "FileFormatCombo").setCurrentIndex(1);
  EXPECT_TRUE(HeaderCombo(sheet, "StatusCombo").isVisible());
}

TEST(DlgSOSIHeader, EmptyStatusAndNetLevelResolveAndNetLevelFollowsPicksButNotTyping) {
  PreparedSheet sheet(SettingsFor(1));
  OpenPage(sheet, 0);
  EXPECT_EQ(sheet.GetHeaderPage().GetStatus(), L"W: Planlagt prosjektert");
  QComboBox& netLevel = HeaderCombo(sheet, "NetLevelCombo");
  EXPECT_EQ(netLevel.currentText(), QStringLiteral("H: Hovednett"));
  QTest::keyClick(&netLevel, Qt::Key_Down);
  netLevel.lineEdit()->selectAll();
  QTest::keyClicks(netLevel.lineEdit(), "X: Eget nett");
  EXPECT_EQ(ConfirmedData(sheet).NetLevel, L"S: Stikknett");
}

TEST(DlgSOSIHeader, CancelledBrowsingKeepsTheFileNameAndWhatWasTyped) {
  PreparedSheet sheet(SettingsFor(1));
  OpenPage(sheet, 0);
  Control<QLineEdit>(sheet, "HeaderPage", "OwnerEdit").setText(QStringLiteral("Vågå kommune"));
  QString initial;
  platform::ScriptedDialogs scripts;
  scripts.Then("SosiFileDialog", [&](QDialog& d) {
    initial = static_cast<QFileDialog&>(d).selectedFiles().value(0);
    return int(QDialog::Rejected);
  });
  Control<QPushButton>(sheet, "HeaderPage", "BrowseButton").click();
  EXPECT_EQ(initial, QStringLiteral("/tmp/Ledningsnett.sos"));
  EXPECT_EQ(sheet.GetHeaderPage().GetFileName(), L"/tmp/Ledningsnett.sos");
  EXPECT_EQ(sheet.GetHeaderPage().GetOwner(), L"Vågå kommune");
}

TEST(DlgSOSIHeader, TheTypedCoordinateSystemIsNamedBesideIt) {
  PreparedSheet sheet(SettingsFor(1));
  OpenPage(sheet, 0);
  auto& code = Control<QLineEdit>(sheet, "HeaderPage", "CoordinateSystemEdit");
  auto& name = Control<QLabel>(sheet, "HeaderPage", "CoordinateSystemName");
  EXPECT_EQ(name.text(), QStringLiteral("NGO1948 Gauss-Krüger akse III"));
  code.setText(QStringLiteral("22"));
  EXPECT_EQ(name.text(), QStringLiteral("EUREF89 UTM sone 32"));
  const std::pair<const wchar_t*, const wchar_t*> codes[] = {
      {L" 23 ", L"EUREF89 UTM sone 33"}, {L"19", L"EUREF89 UTM sone 29"}, {L"35", L"ED50 UTM sone 35"},
      {L"66", L"WGS84 UTM sone 36"},     {L"210", L"EUREF89 NTM sone 10"}, {L"84", L"EUREF89 geografisk"},
      {L"107", L"Lokalt nett Trondheim"}, {L"0", L""}, {L"27", L""}, {L"22a", L""}, {L"", L""}};
  for (const auto& [text, expected] : codes) EXPECT_EQ(CoordinateSystemName(text), expected) << text;
}
