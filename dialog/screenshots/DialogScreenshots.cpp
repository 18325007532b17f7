// Renders every page of the export dialog offscreen into PNG files, for the
// GISLINE variant (file format 1) and the Gemini variant (file format 2),
// with the shipped configuration folder and the values of a small network.

#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CSosiExportPropertySheet.h"
#include "LmEnvironment.h"
#include "ModalRunner.h"
#include "PngFile.h"
#include "SOSIMapperData.h"

namespace {

struct Mapping {
  const wchar_t* modelValue;
  std::vector<const wchar_t*> codes;  // one per mapping column, empty: unmapped
};

const std::vector<std::wstring> kPipeTypes = {L"OV 250 PP", L"SP 160 PVC", L"VL 110 PE"};
const std::vector<std::wstring> kPointTypes = {L"Hydrant", L"Kum 1200 betong", L"Sluk", L"Ventil"};
const MaterialPairs kMaterials = {{L"PVC", L"PVC"}, {L"PE", L"PE"}, {L"PP", L"PP"}, {L"Betong", L"BET"}};

const std::vector<Mapping> kPipeMappings = {
    {L"OV 250 PP", {L"OV", L"H", L"MUF", L"S"}},
    {L"SP 160 PVC", {L"SP", L"H", L"MUF", L"S"}},
    {L"VL 110 PE", {L"VL", L"H", L"ELSV", L"T"}},
};
const std::vector<Mapping> kPointMappings = {
    {L"Hydrant", {L"HYD", L"VK", L""}},
    {L"Kum 1200 betong", {L"KUM", L"SK", L"B"}},
    {L"Sluk", {L"SLU", L"OK", L""}},
};
const std::vector<Mapping> kMaterialMappings = {
    {L"PVC", {L"PVC", L"NS-EN 1401-1"}},
    {L"PE", {L"PE", L"NS-EN 12201-2"}},
    {L"Betong", {L"BET", L""}},
};

// Fills the tables of one variant from the codes of its feature group file.
void Map(const std::vector<Mapping>& mappings, const std::vector<const FeatureList*>& lists,
         const std::vector<FeatureTablesByFormat*>& tables, int format) {
  for (const Mapping& mapping : mappings) {
    for (size_t column = 0; column < mapping.codes.size() && column < lists.size(); ++column) {
      for (const CWsFeature& feature : *lists[column]) {
        if (feature.Feature() != mapping.codes[column]) continue;
        (*tables[column])[format][mapping.modelValue] = feature;
        break;
      }
    }
  }
}

SOSIMapperData ExampleSettings(const std::wstring& folder, int format) {
  SOSIMapperData settings;
  settings.FileFormat = format;
  settings.FileName = L"/home/va/Prosjekter/Vågå sentrum/Ledningsnett.sos";
  settings.Producer = L"Vågå kommune, teknisk etat";
  settings.Owner = L"Vågå kommune";
  settings.MapId = L"Vågå VA 2024";
  settings.Year = L"2024";
  settings.NetLevel = L"H: Hovednett";
  settings.Status = L"E: Eksisterende";
  for (int variant : {1, 2}) {
    SOSIFeatureGroupData groups;
    LoadFeatureGroups(folder, variant, groups);
    Map(kPipeMappings,
        {&groups.PipeTypeFeatures(), &groups.PipeUsageFeatures(), &groups.PipeMethodFeatures(),
         &groups.PipeSupplyFeatures()},
        {&settings.PipeTypes, &settings.PipeUsage, &settings.PipeMethod, &settings.PipeSupply}, variant);
    Map(kPointMappings,
        {&groups.ConnectionTypeFeatures(), &groups.ConnectionUsageFeatures(), &groups.ConnectionMethodFeatures()},
        {&settings.ConnectionTypes, &settings.ConnectionUsage, &settings.ConnectionMethod}, variant);
    Map(kMaterialMappings, {&groups.PipeMaterialFeatures(), &groups.PipeMaterialProductStandardFeatures()},
        {&settings.PipeMaterials, &settings.PipeMaterialsProductStandard}, variant);
  }
  return settings;
}

// Shows the sheet as an export run does and grabs each of its pages.
bool RenderVariant(const std::wstring& folder, int format, const std::string& variantName,
                   const std::string& outputFolder) {
  const char* const pageNames[] = {"header", "pipe-types", "connection-types", "pipe-materials"};
  const SOSIMapperData settings = ExampleSettings(folder, format);
  CSosiExportPropertySheet sheet(L"SOSI Eksport", nullptr, 0);
  sheet.SetConfigFolder(folder);
  sheet.SetData(&settings);
  sheet.SetThemeRegister(L"");
  sheet.LoadFeatureGroups();
  sheet.SetPipeModelValues(kPipeTypes);
  sheet.SetConnectionModelValues(kPointTypes);
  sheet.SetMaterialModelValues(kMaterials);

  bool written = true;
  platform::ModalRunner::QueueScript(QStringLiteral("SosiExportSheet"), [&](QDialog& dialog) {
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("SheetTabs"));
    for (int page = 0; page < tabs->count(); ++page) {
      tabs->setCurrentIndex(page);
      for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
      const std::string path = outputFolder + "/" + pageNames[page] + "-" + variantName + ".png";
      if (!platform::SavePng(dialog.grab(), path)) {
        std::fprintf(stderr, "dialog-screenshots: cannot write %s\n", path.c_str());
        written = false;
      }
    }
    return int(QDialog::Rejected);
  });
  sheet.DoModal();
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dialog-screenshots OUTPUT-FOLDER\n");
    return 2;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const std::wstring folder = LmEnBuildFilename(L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>\\", 0, 0);
  const bool gisline = RenderVariant(folder, 1, "gisline", argv[1]);
  const bool gemini = RenderVariant(folder, 2, "gemini", argv[1]);
  return gisline && gemini ? 0 : 1;
}
