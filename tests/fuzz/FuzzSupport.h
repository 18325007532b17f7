#pragma once
// What the fuzz targets share. The readers under test take paths, so each
// input is written to a scratch file of the process first; the host's
// command line and alerts are discarded so that messages cost no output.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "SOSIMapperData.h"

namespace fuzz {

// Writes the input to the process's scratch file `name` (replacing it) and
// gives its path. The folder goes when the process ends.
std::wstring InputFile(const std::uint8_t* data, std::size_t size, const std::string& name = "input.xml");
// A file of the shipped data folder.
std::wstring DataFile(const std::string& relative);
// Sends command line text and alerts nowhere from now on.
void QuietHost();

// A model loaded by a run controller with every trench path assembled for
// export: what an export run holds once the dialogs are confirmed.
struct AssembledNetwork {
  LmWsSosiExportUI controller;
  std::unique_ptr<LwdDeviceSet> devices;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;
  LwdDeviceSet exportSet;
  SectionChainList chains;

  // False when the model does not load or has no trench topology.
  bool Load(const std::wstring& modelPath);
  // Tags and runs from the overview files, as the Gemini variant reads them.
  void ReadOverview(const std::vector<std::wstring>& paths);

  PointObjectTagMap pointTags;
  PipeTagMap pipeTags;
  PipeRuns runs;
};

// The sample network of the data folder, loaded once per process.
AssembledNetwork& SampleNetwork();
// The shipped default settings, read once per process.
const SOSIMapperData& DefaultSettings();

// Streams a whole SOSI file of the network's export set into memory with the
// settings' variant, current tables and header texts, as the export run
// hands them to the writer; its size. `reportProblems` also formats the
// command line lines about values without a code (costly per call).
std::size_t ExportToMemory(const AssembledNetwork& network, SOSIMapperData settings, bool reportProblems = true);

}  // namespace fuzz
