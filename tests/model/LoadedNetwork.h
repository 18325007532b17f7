#pragma once
// A network written to a model file and loaded by a run controller.

#include <memory>
#include <string>
#include <vector>

#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelXml.h"
#include "TempDir.h"

struct LoadedNetwork {
  TempDir folder;
  LmWsSosiExportUI controller;
  std::unique_ptr<LwdDeviceSet> devices;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;

  // Null when the set holds no device of that id.
  const LwdDevice* Device(int persistentId) const;
  const LwdDeviceSegment* Segment(int persistentId) const;
  // Persistent ids of the devices of `set`, in set order.
  static std::vector<int> Ids(const LwdDeviceSet& set);
  // Persistent ids of the segments of each run.
  static std::vector<std::vector<int>> RunIds(const PipeRuns& runs);
};

// Loads `network`; fails the calling test (and gives null) when loading fails.
std::unique_ptr<LoadedNetwork> LoadNetwork(const testnet::Network& network);
// The same for a model file's text.
std::unique_ptr<LoadedNetwork> LoadModelText(const std::string& xml);
