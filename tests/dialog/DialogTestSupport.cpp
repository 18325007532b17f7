#include "DialogTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <cstdlib>
#include <fstream>

#include "WideText.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

const char* const kGislineGroups = R"(<?xml version="1.0" encoding="UTF-8"?>
<SOSIFeatureGroupData>
  <PipeTypeFeatures>
    <Feature Name="SP" Description="Spillvannsledning" Group="2"/>
    <Feature Name="VL" Description="Vannledning" Group="1"/>
    <Feature Name="OV" Description="Overvannsledning" Group="4"/>
  </PipeTypeFeatures>
  <PipeUsageFeatures>
    <Feature Name="K" Description="Kommunal"/>
    <Feature Name="P" Description="Privat"/>
  </PipeUsageFeatures>
  <ConnectionTypeFeatures>
    <Feature Name="KUM" Description="Kum"/>
    <Feature Name="SLU" Description="Sluk"/>
  </ConnectionTypeFeatures>
  <ConnectionUsageFeatures>
    <Feature Name="K" Description="Kommunal"/>
  </ConnectionUsageFeatures>
</SOSIFeatureGroupData>
)";

const char* const kGeminiGroups = R"(<?xml version="1.0" encoding="UTF-8"?>
<SOSIFeatureGroupData>
  <PipeTypeFeatures>
    <Feature Name="VL" Description="Vannledning" Group="1"/>
    <Feature Name="SP" Description="Spillvannsledning" Group="2"/>
    <Feature Name="AF" Description="Avløp felles" Group="3"/>
  </PipeTypeFeatures>
  <PipeUsageFeatures>
    <Feature Name="FE" Description="Felles"/>
  </PipeUsageFeatures>
  <PipeMethodFeatures>
    <Feature Name="SV" Description="Sveiset"/>
    <Feature Name="MU" Description="Muffe"/>
  </PipeMethodFeatures>
  <PipeSupplyFeatures>
    <Feature Name="SE" Description="Selvfall"/>
    <Feature Name="PU" Description="Pumpet"/>
  </PipeSupplyFeatures>
  <PipeMaterialFeatures>
    <Feature Name="PVC" Description="Polyvinylklorid"/>
    <Feature Name="PE" Description="Polyetylen"/>
    <Feature Name="BET" Description="Betong"/>
  </PipeMaterialFeatures>
  <PipeMaterialProductStandardFeatures>
    <Feature Name="NS1" Description="NS-EN 1401"/>
    <Feature Name="NS2" Description="NS-EN 12201"/>
  </PipeMaterialProductStandardFeatures>
  <ConnectionTypeFeatures>
    <Feature Name="KUM" Description="Kum"/>
    <Feature Name="HYD" Description="Hydrant"/>
  </ConnectionTypeFeatures>
  <ConnectionUsageFeatures>
    <Feature Name="K" Description="Kommunal"/>
  </ConnectionUsageFeatures>
  <ConnectionMethodFeatures>
    <Feature Name="PS" Description="Plasstøpt"/>
  </ConnectionMethodFeatures>
  <GeometryQualityZFeatures>
    <Feature Name="5" Description="GPS"/>
    <Feature Name="9" Description="Interpolert"/>
  </GeometryQualityZFeatures>
</SOSIFeatureGroupData>
)";

namespace {

const char* const kCatalogue = R"(<?xml version="1.0" encoding="UTF-8"?>
<SOSIExportFileFormats>
  <FileFormat Name="SOSISImplified" Index="0">
    <DisplayName>SOSI, forenklet</DisplayName>
    <Header1>MODELL</Header1><Header2>TEMA</Header2><Header3>BRUK</Header3>
  </FileFormat>
  <FileFormat Name="GISLINE" Index="1">
    <DisplayName>SOSI, GISLINE VA</DisplayName>
    <PipeTabHeader1>LEDNINGSTYPE</PipeTabHeader1><PipeTabHeader2>L_TEMA</PipeTabHeader2><PipeTabHeader3>NETTYPE</PipeTabHeader3>
    <ConnectionTabHeader1>PUNKTTYPE</ConnectionTabHeader1><ConnectionTabHeader2>P_TEMA</ConnectionTabHeader2><ConnectionTabHeader3>FUNKSJON</ConnectionTabHeader3>
  </FileFormat>
  <FileFormat Name="Gemini" Index="2">
    <DisplayName>SOSI, Gemini VA</DisplayName>
    <PipeTabHeader1>LEDNINGSTYPE</PipeTabHeader1><PipeTabHeader2>L_TEMA</PipeTabHeader2><PipeTabHeader3>NETTYPE</PipeTabHeader3>
    <PipeTabHeader4>SKJØTEMETODE</PipeTabHeader4><PipeTabHeader5>TILFØRSEL</PipeTabHeader5>
    <ConnectionTabHeader1>PUNKTTYPE</ConnectionTabHeader1><ConnectionTabHeader2>P_TEMA</ConnectionTabHeader2><ConnectionTabHeader3>FUNKSJON</ConnectionTabHeader3>
    <ConnectionTabHeader4>BYGGEMETODE</ConnectionTabHeader4>
    <PipeMaterialTabHeader1>MATERIALE</PipeMaterialTabHeader1><PipeMaterialTabHeader2>MATERIAL</PipeMaterialTabHeader2><PipeMaterialTabHeader3>PRODUKTSTANDARD</PipeMaterialTabHeader3>
  </FileFormat>
</SOSIExportFileFormats>
)";

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

void TestConfig::RemoveCatalogue() const {
  std::filesystem::remove(dir_.Path() / kConfig / "SOSIExport.FileFormats.xml");
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

void ShowSheet(CSosiExportPropertySheet& sheet) {
  sheet.show();
  ProcessIdle();
}

void OpenPage(CSosiExportPropertySheet& sheet, int index) {
  if (!sheet.isVisible()) ShowSheet(sheet);
  Find<QTabWidget>(sheet, "SheetTabs")->setCurrentIndex(index);
  ProcessIdle();
}

SOSIMapperData ConfirmedData(CSosiExportPropertySheet& sheet) {
  Find<QPushButton>(sheet, "OkButton")->click();
  SOSIMapperData settings;
  sheet.GetData(&settings);
  return settings;
}

Watchdog::Watchdog(int milliseconds) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [] {
    ADD_FAILURE() << "a modal dialog did not end";
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) dialog->reject();
    }
  });
  timer_.start(milliseconds);
}
