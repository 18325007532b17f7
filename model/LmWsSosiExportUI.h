#pragma once
// The run controller of one export: it lives for one Export call (COM is
// initialised for its lifetime), runs the export, loads the
// network model, lets the user pick trench paths, collects what the dialog
// maps, assembles the devices to export and reads the overview CSV files.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "OverviewMaps.h"
#include "SectionChains.h"

class LwcNodePointObjectLinkSet;
class LwcTrSectionDevSegmentLinkSet;
class LwdDeviceSet;
class LwtTrenchTopologySet;

class LmWsSosiExportUI {
 public:
  LmWsSosiExportUI();
  virtual ~LmWsSosiExportUI();
  LmWsSosiExportUI(const LmWsSosiExportUI&) = delete;
  LmWsSosiExportUI& operator=(const LmWsSosiExportUI&) = delete;

  // One export, from the model path to the writer call. False for every exit
  // before the writer is called (no model, no trench paths, dialog cancelled).
  bool ExportRun(const std::wstring& modelPath, const std::wstring& selectionText);

  // The "Open Ws model" dialog; empty when the user cancels.
  static std::wstring ChooseModelFile();

  // Reads the model file and maps it. On success `deviceSet` (owned by the
  // caller) and `nodeLinks` are set, both null on entry, and so are the trench
  // topology (left null by a model without one) and the section links. The
  // sets other than the device set stay alive as long as the controller.
  bool LoadModel(const std::wstring& modelPath, LwdDeviceSet*& deviceSet, LwcNodePointObjectLinkSet*& nodeLinks);

  // Shows the trench path dialog with every trench path preselected; true
  // when the user confirmed with at least one path left selected.
  bool SelectTrenchPaths(const std::wstring& selectionText, std::vector<int>& selectedIds);

  // Distinct pipe names and point-object types (sorted) and material pairs
  // (in the order first met); the three lists are cleared first.
  void CollectModelValues(const LwdDeviceSet* deviceSet, std::vector<std::wstring>& pipeNames,
                          std::vector<std::wstring>& typeNames,
                          std::vector<std::pair<std::wstring, std::wstring>>& materials) const;

  // Fills `exportSet` with the selected paths' segments, their point objects
  // and the free point objects that go with the selection, and records the
  // sections' segment chains. True when the set holds a device afterwards.
  bool AssembleDeviceSet(LwdDeviceSet* exportSet, SectionChainList& sectionChains, const LwdDeviceSet* modelSet,
                         const std::vector<int>& selectedIds, const LwcNodePointObjectLinkSet* nodeLinks) const;

  // The "UseTagCSVFile" flag of the suite's settings.
  bool UseOverviewFiles() const;
  // Appends the files the user picked; true when the dialog was confirmed.
  bool ChooseOverviewFiles(std::vector<std::wstring>& paths) const;
  // Tags point objects and cuts the exported pipes into tagged runs.
  void ReadOverviewFiles(const LwdDeviceSet* exportSet, const std::vector<std::wstring>& paths,
                         const SectionChainList& sectionChains, PointObjectTagMap& pointObjectTags,
                         PipeTagMap& pipeTags, PipeRuns& pipeRuns) const;

  // Lets go of the sets LoadModel keeps (and so of the model, once the
  // caller's device set is gone too).
  void ReleaseModel();

  const LwtTrenchTopologySet* TrenchTopology() const { return trenchTopology_; }
  const LwcTrSectionDevSegmentLinkSet* SectionSegmentLinks() const { return sectionSegmentLinks_; }

 private:
  struct LoadedSets;

  // Not owned: views of the model that LoadModel fills.
  LwtTrenchTopologySet* trenchTopology_ = nullptr;
  LwcTrSectionDevSegmentLinkSet* sectionSegmentLinks_ = nullptr;
  // Keeps the model's sets alive for the length of the run.
  std::unique_ptr<LoadedSets> loaded_;
};
