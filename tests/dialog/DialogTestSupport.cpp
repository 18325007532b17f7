#include "DialogTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <cstdlib>
#include <filesystem>

#include "WideText.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

constexpr const char* kConfig = "WaterSewer/Config/Default/";

}  // namespace

TestConfig::TestConfig() {
  ::setenv("LMWS_APPATH", dir_.Path().c_str(), 1);
  std::filesystem::create_directories(dir_.File(kConfig));
  std::filesystem::copy(DIALOG_TEST_CONFIG, dir_.File(kConfig));
}

TestConfig::~TestConfig() { ::unsetenv("LMWS_APPATH"); }

std::wstring TestConfig::Folder() const { return platform::FromUtf8((dir_.Path() / kConfig).string()); }

void TestConfig::WriteCatalogue(const std::string& xml) const {
  dir_.Write(std::string(kConfig) + "SOSIExport.FileFormats.xml", xml);
}

SOSIMapperData SettingsFor(int fileFormat) {
  SOSIMapperData settings;
  settings.FileFormat = fileFormat;
  settings.FileName = L"/tmp/Ledningsnett.sos";
  return settings;
}

void Prepare(CSosiExportPropertySheet& sheet, const TestConfig& config, const SOSIMapperData& settings) {
  sheet.SetConfigFolder(config.Folder());
  sheet.SetData(&settings);
  sheet.SetThemeRegister(L"");
  sheet.LoadFeatureGroups();
  sheet.SetPipeModelValues({L"OV 250 PP", L"SP 160 PVC", L"VL 110 PE"});
  sheet.SetConnectionModelValues({L"Hydrant", L"Kum 1200 betong"});
  sheet.SetMaterialModelValues({{L"PE", L"PE"}, {L"PP", L"PP"}, {L"PVC", L"PVC"}});
}

void ProcessIdle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void OpenPage(CSosiExportPropertySheet& sheet, int index) {
  sheet.show();
  Find<QTabWidget>(sheet, "SheetTabs")->setCurrentIndex(index);
  ProcessIdle();
}

SOSIMapperData ConfirmedData(CSosiExportPropertySheet& sheet) {
  Find<QPushButton>(sheet, "OkButton")->click();
  SOSIMapperData settings;
  sheet.GetData(&settings);
  return settings;
}

void UserSets(GridControl& grid, int row, int col, const QString& text) {
  grid.model()->setData(grid.model()->index(row - 1, col), text);
}

QStringList CutTexts(const QWidget& root) {
  QStringList cut;
  for (const QWidget* widget : root.findChildren<QWidget*>()) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    // A button's size hint has room to spare; its text has to fit.
    const int needed = button != nullptr ? button->fontMetrics().horizontalAdvance(button->text()) + 8
                       : label != nullptr && !label->wordWrap() ? label->sizeHint().width()
                                                                : 0;
    if (widget->isVisible() && widget->width() < needed) cut << widget->objectName();
  }
  return cut;
}
