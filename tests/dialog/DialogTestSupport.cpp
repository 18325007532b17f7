#include "DialogTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "WideText.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// One group a line, "Group: CODE=Description[=group]; ...".
std::string Groups(const std::string& lines) {
  std::istringstream in(lines);
  std::string xml = "<SOSIFeatureGroupData>", line;
  while (std::getline(in, line)) {
    const std::string group = line.substr(0, line.find(':'));
    std::istringstream features(line.substr(line.find(':') + 2));
    xml += "<" + group + ">";
    for (std::string feature; std::getline(features, feature, ';');) {
      const size_t name = feature.find_first_not_of(' '), description = feature.find('=');
      const size_t number = feature.find('=', description + 1);
      xml += "<Feature Name='" + feature.substr(name, description - name) + "' Description='" +
             feature.substr(description + 1, number - description - 1) + "'" +
             (number == std::string::npos ? "" : " Group='" + feature.substr(number + 1) + "'") + "/>";
    }
    xml += "</" + group + ">";
  }
  return xml + "</SOSIFeatureGroupData>";
}

const std::string kGislineGroups = Groups(
    "PipeTypeFeatures: SP=Spillvannsledning=2; VL=Vannledning=1; OV=Overvannsledning=4\n"
    "PipeUsageFeatures: K=Kommunal; P=Privat\n"
    "ConnectionTypeFeatures: KUM=Kum; SLU=Sluk\n"
    "ConnectionUsageFeatures: K=Kommunal");

const std::string kGeminiGroups = Groups(
    "PipeTypeFeatures: VL=Vannledning=1; SP=Spillvannsledning=2; AF=Avløp felles=3\n"
    "PipeUsageFeatures: FE=Felles\n"
    "PipeMethodFeatures: SV=Sveiset; MU=Muffe\n"
    "PipeSupplyFeatures: SE=Selvfall; PU=Pumpet\n"
    "PipeMaterialFeatures: PVC=Polyvinylklorid; PE=Polyetylen; BET=Betong\n"
    "PipeMaterialProductStandardFeatures: NS1=NS-EN 1401; NS2=NS-EN 12201\n"
    "ConnectionTypeFeatures: KUM=Kum; HYD=Hydrant\n"
    "ConnectionUsageFeatures: K=Kommunal\n"
    "ConnectionMethodFeatures: PS=Plasstøpt");

const char* const kCatalogue = R"(<SOSIExportFileFormats>
  <FileFormat><DisplayName>SOSI, forenklet</DisplayName><Header1>MODELL</Header1><Header2>TEMA</Header2>
    <Header3>BRUK</Header3></FileFormat>
  <FileFormat><DisplayName>SOSI, GISLINE VA</DisplayName><Header1>LEDNINGSTYPE</Header1>
    <PipeTabHeader2>L_TEMA</PipeTabHeader2><PipeTabHeader3>NETTYPE</PipeTabHeader3>
    <ConnectionTabHeader1>PUNKTTYPE</ConnectionTabHeader1><ConnectionTabHeader2>P_TEMA</ConnectionTabHeader2>
    <ConnectionTabHeader3>FUNKSJON</ConnectionTabHeader3></FileFormat>
  <FileFormat><DisplayName>SOSI, Gemini VA</DisplayName><PipeTabHeader4>SKJØTEMETODE</PipeTabHeader4>
    <PipeTabHeader5>TILFØRSEL</PipeTabHeader5><ConnectionTabHeader4>BYGGEMETODE</ConnectionTabHeader4>
    <PipeMaterialTabHeader1>MATERIALE</PipeMaterialTabHeader1><PipeMaterialTabHeader2>MATERIAL</PipeMaterialTabHeader2>
    <PipeMaterialTabHeader3>PRODUKTSTANDARD</PipeMaterialTabHeader3></FileFormat>
</SOSIExportFileFormats>)";

constexpr const char* kConfig = "WaterSewer/Config/Default/";

}  // namespace

TestConfig::TestConfig() {
  ::setenv("LMWS_APPATH", dir_.Path().c_str(), 1);
  WriteCatalogue(kCatalogue);
  WriteGroups(1, kGislineGroups);
  WriteGroups(2, kGeminiGroups);
}

TestConfig::~TestConfig() { ::unsetenv("LMWS_APPATH"); }

std::wstring TestConfig::Folder() const { return platform::FromUtf8((dir_.Path() / kConfig).string()); }

void TestConfig::WriteCatalogue(const std::string& xml) const {
  dir_.Write(std::string(kConfig) + "SOSIExport.FileFormats.xml", xml);
}

void TestConfig::WriteGroups(int fileFormat, const std::string& xml) const {
  std::ofstream(platform::ToUtf8(FeatureGroupFileName(Folder(), fileFormat)), std::ios::binary) << xml;
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
