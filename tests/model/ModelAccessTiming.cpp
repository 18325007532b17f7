// Times the model access steps of an export on a model file:
//   model-access-timing MODEL.xml [OVERVIEW.csv ...]
// Two of every three trench paths are selected, so the proximity rule works.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>

#include "HostConsole.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "WideText.h"

namespace {

// Wall and processor seconds: on a busy machine only the second tells the step's cost.
struct Seconds {
  double wall;
  double cpu;
};

template <typename Step>
Seconds Time(Step step) {
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  step();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
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
  const Seconds load =
      Time([&] { loaded = controller.LoadModel(platform::FromUtf8(argv[1]), loadedDevices, nodeLinks); });
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
  const Seconds assemble =
      Time([&] { controller.AssembleDeviceSet(&exportSet, chains, devices.get(), selectedIds, nodeLinks); });
  PointObjectTagMap tags;
  PipeTagMap pipeTags;
  PipeRuns runs;
  const Seconds overview =
      Time([&] { controller.ReadOverviewFiles(&exportSet, files, chains, tags, pipeTags, runs); });

  std::printf("\nload %.3f s (cpu %.3f s): %d devices\n", load.wall, load.cpu, devices->numDevices());
  std::printf("assembly %.3f s (cpu %.3f s): %zu of %d trench paths, %d devices exported, %zu sections\n",
              assemble.wall, assemble.cpu,
              selectedIds.size(), controller.TrenchTopology()->numTopologyObjects(), exportSet.numDevices(),
              chains.size());
  std::printf("overview %.3f s (cpu %.3f s): %zu point object tags, %zu runs, %zu pipe tags\n", overview.wall,
              overview.cpu, tags.size(), runs.size(), pipeTags.size());
  return 0;
}
