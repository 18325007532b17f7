#include "DialogTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <cstdlib>
#include <fstream>

#include "WideText.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

std::string Features(const std::string& group, std::initializer_list<const char*> features) {
  std::string xml = "<" + group + ">";
  for (const char* feature : features) xml += std::string("<Feature ") + feature + "/>";
  return xml + "</" + group + ">";
}

std::string Groups(std::initializer_list<std::string> groups) {
  std::string xml = "<SOSIFeatureGroupData>";
  for (const std::string& group : groups) xml += group;
  return xml + "</SOSIFeatureGroupData>";
}

const std::string kGislineGroups = Groups({
    Features("PipeTypeFeatures", {"Name='SP' Description='Spillvannsledning' Group='2'",
                                  "Name='VL' Description='Vannledning' Group='1'",
                                  "Name='OV' Description='Overvannsledning' Group='4'"}),
    Features("PipeUsageFeatures", {"Name='K' Description='Kommunal'", "Name='P' Description='Privat'"}),
    Features("ConnectionTypeFeatures", {"Name='KUM' Description='Kum'", "Name='SLU' Description='Sluk'"}),
    Features("ConnectionUsageFeatures", {"Name='K' Description='Kommunal'"}),
});

const std::string kGeminiGroups = Groups({
    Features("PipeTypeFeatures", {"Name='VL' Description='Vannledning' Group='1'",
                                  "Name='SP' Description='Spillvannsledning' Group='2'",
                                  "Name='AF' Description='Avløp felles' Group='3'"}),
    Features("PipeUsageFeatures", {"Name='FE' Description='Felles'"}),
    Features("PipeMethodFeatures", {"Name='SV' Description='Sveiset'", "Name='MU' Description='Muffe'"}),
    Features("PipeSupplyFeatures", {"Name='SE' Description='Selvfall'", "Name='PU' Description='Pumpet'"}),
    Features("PipeMaterialFeatures", {"Name='PVC' Description='Polyvinylklorid'",
                                      "Name='PE' Description='Polyetylen'", "Name='BET' Description='Betong'"}),
    Features("PipeMaterialProductStandardFeatures",
             {"Name='NS1' Description='NS-EN 1401'", "Name='NS2' Description='NS-EN 12201'"}),
    Features("ConnectionTypeFeatures", {"Name='KUM' Description='Kum'", "Name='HYD' Description='Hydrant'"}),
    Features("ConnectionUsageFeatures", {"Name='K' Description='Kommunal'"}),
    Features("ConnectionMethodFeatures", {"Name='PS' Description='Plasstøpt'"}),
});

const char* const kCatalogue = R"(<SOSIExportFileFormats>
  <FileFormat Name="SOSISImplified" Index="0"><DisplayName>SOSI, forenklet</DisplayName>
    <Header1>MODELL</Header1><Header2>TEMA</Header2><Header3>BRUK</Header3></FileFormat>
  <FileFormat Name="GISLINE" Index="1"><DisplayName>SOSI, GISLINE VA</DisplayName>
    <Header1>LEDNINGSTYPE</Header1><PipeTabHeader2>L_TEMA</PipeTabHeader2><PipeTabHeader3>NETTYPE</PipeTabHeader3>
    <ConnectionTabHeader1>PUNKTTYPE</ConnectionTabHeader1><ConnectionTabHeader2>P_TEMA</ConnectionTabHeader2>
    <ConnectionTabHeader3>FUNKSJON</ConnectionTabHeader3></FileFormat>
  <FileFormat Name="Gemini" Index="2"><DisplayName>SOSI, Gemini VA</DisplayName>
    <PipeTabHeader4>SKJØTEMETODE</PipeTabHeader4><PipeTabHeader5>TILFØRSEL</PipeTabHeader5>
    <ConnectionTabHeader4>BYGGEMETODE</ConnectionTabHeader4><PipeMaterialTabHeader1>MATERIALE</PipeMaterialTabHeader1>
    <PipeMaterialTabHeader2>MATERIAL</PipeMaterialTabHeader2>
    <PipeMaterialTabHeader3>PRODUKTSTANDARD</PipeMaterialTabHeader3></FileFormat>
</SOSIExportFileFormats>)";

constexpr const char* kConfig = "WaterSewer/Config/Default/";

}  // namespace

TestConfig::TestConfig() {
  const char* old = std::getenv("LMWS_APPATH");
  hadAppPath_ = old != nullptr;
  if (old != nullptr) oldAppPath_ = old;
  ::setenv("LMWS_APPATH", dir_.Path().c_str(), 1);
  WriteCatalogue(kCatalogue);
  WriteGroups(1, kGislineGroups);
  WriteGroups(2, kGeminiGroups);
}

TestConfig::~TestConfig() {
  if (hadAppPath_) {
    ::setenv("LMWS_APPATH", oldAppPath_.c_str(), 1);
  } else {
    ::unsetenv("LMWS_APPATH");
  }
}

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
