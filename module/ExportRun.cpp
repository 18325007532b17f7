// The export run: model, trench paths, settings, dialog, settings stored
// beside the model, device set, overview files, and the writer.

#include <QApplication>
#include <filesystem>
#include <memory>

#include "CSosiExportException.h"
#include "CSosiExportPropertySheet.h"
#include "HostConsole.h"
#include "LmEnvironment.h"
#include "LmWsSosiExportUI.h"
#include "LmWsSosiMapper.h"
#include "LwcNodePointObjectLinkSet.h"
#include "LwdDeviceSet.h"
#include "SOSIMapperData.h"
#include "SOSIMapperDataReader.h"
#include "SOSIMapperDataWriter.h"
#include "StageTimings.h"
#include "WinFile.h"
#include "WinPath.h"
#include "WideText.h"
#include "WinText.h"

namespace {

constexpr size_t kAlertBuffer = 1024;
constexpr size_t kMaxPath = 260;
const wchar_t* const kDefaultSettingsTemplate = L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>\\SOSIExport.cfg.xml";
const wchar_t* const kConfigFolderTemplate = L"<APPATH>\\WaterSewer\\Config\\<CURRENTCONFIG>\\";

// "<drive><folder>WSConfig/<name>.SOSIExport.cfg.xml"; empty when a part or
// the whole is longer than the module's path buffers allow.
std::wstring ModelSettingsPath(const std::wstring& modelPath) {
  platform::SplitPathResult parts;
  if (!platform::SplitPath(modelPath, parts)) return {};
  const std::wstring path = platform::FormatWide(kMaxPath + 1, L"%s%s%s/%s%s%s", parts.drive.c_str(),
                                                 parts.dir.c_str(), L"WSConfig", parts.fname.c_str(),
                                                 L".SOSIExport.cfg", L".xml");
  if (path.size() >= kMaxPath) return {};
  return path;
}

// A settings file beside the model that cannot be read is replaced by the
// run; keep the user's file beside it first so that nothing is lost.
void KeepUnreadableSettings(const std::wstring& modelSettingsPath) {
  std::error_code ec;
  const std::filesystem::path file(platform::ToUtf8(modelSettingsPath));
  if (!std::filesystem::is_regular_file(file, ec) || std::filesystem::file_size(file, ec) == 0) return;
  const std::filesystem::path kept(file.string() + ".unreadable");
  if (!std::filesystem::copy_file(file, kept, std::filesystem::copy_options::overwrite_existing, ec)) return;
  acutPrintf(L"\nThe settings file %s could not be read; it is kept as %s.", modelSettingsPath.c_str(),
             platform::FromUtf8(kept.string()).c_str());
}

std::unique_ptr<SOSIMapperData> ReadSettings(const std::wstring& modelSettingsPath) {
  if (auto settings = LoadSOSIMapperData(modelSettingsPath)) return settings;
  KeepUnreadableSettings(modelSettingsPath);
  if (auto settings = LoadSOSIMapperData(LmEnBuildFilename(kDefaultSettingsTemplate, 0, 0))) return settings;
  return std::make_unique<SOSIMapperData>();
}

void Alert(const wchar_t* format, const std::wstring& argument) {
  acedAlert(platform::FormatWide(kAlertBuffer, format, argument.c_str()).c_str());
}

}  // namespace

bool LmWsSosiExportUI::ExportRun(const std::wstring& givenModelPath, const std::wstring& selectionText) {
  // Declared before every working object, so that the "release" step covers
  // freeing them.
  platform::StageTimings stages = platform::StageTimings::FromEnvironment("SOSI_EXPORT_TIMINGS");
  const std::wstring modelPath = givenModelPath.empty() ? ChooseModelFile() : givenModelPath;
  if (modelPath.empty()) return false;

  stages.Step("load");
  LwdDeviceSet* loadedDevices = nullptr;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;
  const bool loaded = LoadModel(modelPath, loadedDevices, nodeLinks);
  std::unique_ptr<LwdDeviceSet> modelDevices(loadedDevices);
  if (!loaded) return false;
  if (TrenchTopology() == nullptr) return false;

  stages.Step("path selection");
  std::vector<int> selectedIds;
  if (!SelectTrenchPaths(selectionText, selectedIds)) return false;

  stages.Step("dialog set-up");
  const std::wstring settingsPath = ModelSettingsPath(modelPath);
  if (settingsPath.empty()) {
    Alert(L"Can not use %s\n\nThe path is too long for the settings file beside it", modelPath);
    return false;
  }
  std::unique_ptr<SOSIMapperData> settings = ReadSettings(settingsPath);
  CSosiExportPropertySheet sheet(L"SOSI Eksport", QApplication::activeWindow(), 0);
  sheet.SetConfigFolder(LmEnBuildFilename(kConfigFolderTemplate, 0, 0));
  sheet.SetData(settings.get());
  sheet.SetThemeRegister(L"");
  sheet.LoadFeatureGroups();

  stages.Step("value collection");
  std::vector<std::wstring> pipeNames;
  std::vector<std::wstring> typeNames;
  MaterialPairs materials;
  CollectModelValues(modelDevices.get(), pipeNames, typeNames, materials);
  sheet.SetPipeModelValues(pipeNames);
  sheet.SetConnectionModelValues(typeNames);
  sheet.SetMaterialModelValues(materials);

  stages.Step("dialog");
  if (sheet.DoModal() != 1) return false;
  sheet.GetData(settings.get());

  stages.Step("settings save");
  if (!SaveSOSIMapperData(*settings, settingsPath)) {
    Alert(L"Can not save default values to file %s\n\nSosi-export will continue", settingsPath);
  }

  stages.Step("device set assembly");
  LmWsSosiMapper mapper;
  mapper.SetSOSIFileFormat(static_cast<LmWsSosiMapper::eSOSIFileFormat>(settings->FileFormat));
  const std::map<std::wstring, long> reserved;
  SectionChainList sectionChains;
  auto exportDevices = std::make_unique<LwdDeviceSet>();
  AssembleDeviceSet(exportDevices.get(), sectionChains, modelDevices.get(), selectedIds, nodeLinks);

  stages.Step("overview step");
  PointObjectTagMap pointObjectTags;
  PipeTagMap pipeTags;
  PipeRuns pipeRuns;
  if (settings->FileFormat == kGeminiFileFormat && UseOverviewFiles()) {
    std::vector<std::wstring> overviewFiles;
    ChooseOverviewFiles(overviewFiles);
    ReadOverviewFiles(exportDevices.get(), overviewFiles, sectionChains, pointObjectTags, pipeTags, pipeRuns);
  }
  // The writer does not need the chains.
  SectionChainList().swap(sectionChains);

  stages.Step("writing");
  SOSIMapperData& s = *settings;
  try {
    mapper.MapToSosi(s.FileName.c_str(), exportDevices.get(), nodeLinks, reserved, s.CurrentPipeTypes(),
                     s.CurrentPipeUsage(), s.CurrentPipeMethod(), s.CurrentPipeSupply(), s.CurrentPipeMaterials(),
                     s.CurrentPipeMaterialsProductStandard(), s.CurrentConnectionTypes(),
                     s.CurrentConnectionUsage(), s.CurrentConnectionMethod(), &pointObjectTags, &pipeTags,
                     &pipeRuns, s.CoordinateSystem.c_str(), s.Date.c_str(), s.Projection.c_str(),
                     s.Quality.c_str(), s.Owner.c_str(), s.Producer.c_str(), s.MapId.c_str(), s.NetLevel.c_str(),
                     s.Status.c_str(), s.Year.c_str(), s.StatusPipe.c_str(), s.StatusConnection.c_str(),
                     s.GeometryQualityXY.c_str(), s.GeometryQualityZ.c_str());
  } catch (CSosiExportException* e) {
    if (e != nullptr) {
      const std::unique_ptr<CSosiExportException> owned(e);
      _wremove(owned->getFileName());
      Alert(L"Can not open %s\n\nAcces is denied", owned->getFileName());
    }
  }

  stages.Step("release");
  exportDevices.reset();
  modelDevices.reset();
  ReleaseModel();
  return true;
}
