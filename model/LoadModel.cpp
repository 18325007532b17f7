#include <memory>

#include "HostConsole.h"
#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "LoadedModelSets.h"
#include "WideText.h"

namespace {

// Null when the file gave no geodata set.
GmiGeodataSet* ReadGeodataSet(const std::wstring& modelPath) {
  const std::string utf8Path = platform::ToUtf8(modelPath);
  GmvGeodataXMLReadVisitor* visitor = GmvGeodataXMLFactory::getGeodataXMLReadVisitor(utf8Path.c_str());
  if (visitor == nullptr) {
    acutPrintf(L"\nRead %s failed.", modelPath.c_str());
    return nullptr;
  }
  GmiGeodataSet* set = nullptr;
  if (visitor->openReader()) {
    visitor->clearTable();
    set = visitor->makeObject(visitor->getStartOrEndTag());
    visitor->performMethods();
    visitor->closeReader();
  }
  delete visitor;
  return set;
}

}  // namespace

bool LmWsSosiExportUI::LoadModel(const std::wstring& modelPath, LwdDeviceSet*& deviceSet,
                                 LwcNodePointObjectLinkSet*& nodeLinks) {
  const std::unique_ptr<GmiGeodataSet> set(ReadGeodataSet(modelPath));
  if (set == nullptr || set->numComposites() == 0) {
    acutPrintf(L"\nNo composites read.");
    return false;
  }
  acutPrintf(L"\n%d composites read.", set->numComposites());

  LwtTrenchSectionSet* sections = nullptr;
  LwtTrenchConnectionPointSet* connectionPoints = nullptr;
  LwsSurfaceDescriptionSet* surfaces = nullptr;
  LmWSMapper::MapToWSModel(set.get(), deviceSet, sections, connectionPoints, trenchTopology_, surfaces, nodeLinks,
                           sectionSegmentLinks_, 0);
  // The export has no use for these.
  delete sections;
  delete connectionPoints;
  delete surfaces;
  loaded_ = std::make_unique<LoadedSets>();
  loaded_->topology.reset(trenchTopology_);
  loaded_->sectionLinks.reset(sectionSegmentLinks_);
  loaded_->nodeLinks.reset(nodeLinks);
  return true;
}
