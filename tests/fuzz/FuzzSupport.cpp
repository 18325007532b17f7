#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "HostConsole.h"
#include "SOSIMapperDataReader.h"
#include "SosiExportRun.h"
#include "WideText.h"

namespace fs = std::filesystem;

namespace fuzz {

namespace {

const fs::path& ScratchFolder() {
  static const fs::path folder = [] {
    fs::path made = fs::temp_directory_path() / ("sosi-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(made);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(ScratchFolder(), ignored);
    });
    return made;
  }();
  return folder;
}

}  // namespace

std::wstring InputFile(const std::uint8_t* data, std::size_t size, const std::string& name) {
  const fs::path file = ScratchFolder() / name;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) std::abort();  // a broken scratch folder would make every later run meaningless
  return platform::FromUtf8(file.string());
}

std::wstring DataFile(const std::string& relative) {
  return platform::FromUtf8((fs::path(SOSI_DATA_DIR) / relative).string());
}

void QuietHost() {
  platform::SetCommandLineSink([](const std::wstring&) {});
  platform::SetAlertSink([](const std::wstring&) {});
}

bool AssembledNetwork::Load(const std::wstring& modelPath) {
  LwdDeviceSet* loaded = nullptr;
  if (!controller.LoadModel(modelPath, loaded, nodeLinks)) return false;
  devices.reset(loaded);
  const LwtTrenchTopologySet* topology = controller.TrenchTopology();
  if (topology == nullptr) return false;
  std::vector<int> pathIds;
  for (int i = 0; i < topology->numTopologyObjects(); ++i) {
    if (const auto* path = dynamic_cast<const LwtTrenchPath*>(topology->getTopologyObject(i))) {
      pathIds.push_back(path->getPersistentID());
    }
  }
  std::vector<std::wstring> pipeNames, typeNames;
  std::vector<std::pair<std::wstring, std::wstring>> materials;
  controller.CollectModelValues(devices.get(), pipeNames, typeNames, materials);
  controller.AssembleDeviceSet(&exportSet, chains, devices.get(), pathIds, nodeLinks);
  return true;
}

void AssembledNetwork::ReadOverview(const std::vector<std::wstring>& paths) {
  pointTags.clear();
  pipeTags.clear();
  runs.clear();
  controller.ReadOverviewFiles(&exportSet, paths, chains, pointTags, pipeTags, runs);
}

AssembledNetwork& SampleNetwork() {
  static AssembledNetwork& network = *[] {
    auto* made = new AssembledNetwork;
    if (!made->Load(DataFile("samples/Ledningsnett_Eksempel.xml"))) std::abort();
    return made;
  }();
  return network;
}

const SOSIMapperData& DefaultSettings() {
  static const SOSIMapperData& settings = *[] {
    std::unique_ptr<SOSIMapperData> read = LoadSOSIMapperData(DataFile("WaterSewer/Config/Default/SOSIExport.cfg.xml"));
    if (!read) std::abort();
    return read.release();
  }();
  return settings;
}

namespace {

// The run passes the texts as C strings.
std::wstring AsPassed(const std::wstring& text) { return text.c_str(); }

}  // namespace

std::size_t ExportToMemory(const AssembledNetwork& network, SOSIMapperData s, bool reportProblems) {
  const SosiExportTables tables{s.CurrentPipeTypes(),       s.CurrentPipeUsage(),
                                s.CurrentPipeMethod(),      s.CurrentPipeSupply(),
                                s.CurrentPipeMaterials(),   s.CurrentPipeMaterialsProductStandard(),
                                s.CurrentConnectionTypes(), s.CurrentConnectionUsage(),
                                s.CurrentConnectionMethod()};
  const SosiHeaderTexts texts{AsPassed(s.CoordinateSystem),  AsPassed(s.Date),       AsPassed(s.Projection),
                              AsPassed(s.Quality),           AsPassed(s.Owner),      AsPassed(s.Producer),
                              AsPassed(s.MapId),             AsPassed(s.NetLevel),   AsPassed(s.Status),
                              AsPassed(s.Year),              AsPassed(s.StatusPipe), AsPassed(s.StatusConnection),
                              AsPassed(s.GeometryQualityXY), AsPassed(s.GeometryQualityZ)};
  const SosiObjectPlan plan(&network.exportSet, &network.runs, &network.pipeTags);
  MemorySink sink;
  SosiExportRun run(SosiLayoutFor(s.FileFormat), tables, texts, &network.pointTags);
  if (!run.Write(sink, plan)) std::abort();  // memory never refuses bytes
  if (reportProblems) run.ReportProblems(plan);
  return sink.Bytes().size();
}

}  // namespace fuzz
