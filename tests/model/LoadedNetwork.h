#pragma once
// A network written to a model file and loaded by a run controller.

#include <memory>
#include <string>
#include <vector>

#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "TempDir.h"

struct LoadedNetwork {
  TempDir folder;
  LmWsSosiExportUI controller;
  std::unique_ptr<LwdDeviceSet> devices;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;

  // Persistent ids of the devices of `set`, in set order.
  static std::vector<int> Ids(const LwdDeviceSet& set);
  // Persistent ids of the segments of each run.
  static std::vector<std::vector<int>> RunIds(const PipeRuns& runs);
};

// Loads a model file's text; fails the calling test (and gives null) when
// loading fails.
std::unique_ptr<LoadedNetwork> LoadModelText(const std::string& xml);
