// Times the model access steps of an export on a model file:
//   model-access-timing MODEL.xml [OVERVIEW.csv ...]
// Two of every three trench paths are selected, so the proximity rule works.
#include <chrono>
#include <cstdio>
#include <memory>

#include "HostConsole.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "WideText.h"

namespace {

template <typename Step>
double Seconds(Step step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: model-access-timing MODEL.xml [OVERVIEW.csv ...]\n");
    return 2;
  }
  LmWsSosiExportUI controller;
  LwdDeviceSet* loadedDevices = nullptr;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;
  bool loaded = false;
  const double load =
      Seconds([&] { loaded = controller.LoadModel(platform::FromUtf8(argv[1]), loadedDevices, nodeLinks); });
  const std::unique_ptr<LwdDeviceSet> devices(loadedDevices);
  if (!loaded || controller.TrenchTopology() == nullptr) return 1;

  std::vector<int> selectedIds;
  for (int i = 0; i < controller.TrenchTopology()->numTopologyObjects(); ++i) {
    if (i % 3 != 0) selectedIds.push_back(controller.TrenchTopology()->getTopologyObject(i)->getPersistentID());
  }
  std::vector<std::wstring> files;
  for (int i = 2; i < argc; ++i) files.push_back(platform::FromUtf8(argv[i]));

  LwdDeviceSet exportSet;
  SectionChainList chains;
  const double assemble =
      Seconds([&] { controller.AssembleDeviceSet(&exportSet, chains, devices.get(), selectedIds, nodeLinks); });
  PointObjectTagMap tags;
  PipeTagMap pipeTags;
  PipeRuns runs;
  const double overview =
      Seconds([&] { controller.ReadOverviewFiles(&exportSet, files, chains, tags, pipeTags, runs); });

  std::printf("\nload %.3f s: %d devices\n", load, devices->numDevices());
  std::printf("assembly %.3f s: %zu of %d trench paths, %d devices exported, %zu sections\n", assemble,
              selectedIds.size(), controller.TrenchTopology()->numTopologyObjects(), exportSet.numDevices(),
              chains.size());
  std::printf("overview %.3f s: %zu point object tags, %zu runs, %zu pipe tags\n", overview, tags.size(), runs.size(),
              pipeTags.size());
  return 0;
}
