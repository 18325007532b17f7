#include "LoadedNetwork.h"

#include <gtest/gtest.h>

#include "HostConsole.h"
#include "WideText.h"

std::vector<int> LoadedNetwork::Ids(const LwdDeviceSet& set) {
  std::vector<int> ids;
  for (int i = 0; i < set.numDevices(); ++i) ids.push_back(set.getDevice(i)->getPersistentID());
  return ids;
}

std::vector<std::vector<int>> LoadedNetwork::RunIds(const PipeRuns& runs) {
  std::vector<std::vector<int>> ids;
  for (const auto& run : runs) {
    ids.emplace_back();
    for (const LwdDeviceSegment* segment : run) ids.back().push_back(segment->getPersistentID());
  }
  return ids;
}

std::unique_ptr<LoadedNetwork> LoadModelText(const std::string& xml) {
  auto loaded = std::make_unique<LoadedNetwork>();
  const auto file = loaded->folder.Write("network.xml", xml);
  platform::HostCapture capture;
  LwdDeviceSet* devices = nullptr;
  const bool ok = loaded->controller.LoadModel(platform::FromUtf8(file.string()), devices, loaded->nodeLinks);
  loaded->devices.reset(devices);
  EXPECT_TRUE(ok) << platform::ToUtf8(capture.CommandLine());
  return ok ? std::move(loaded) : nullptr;
}
