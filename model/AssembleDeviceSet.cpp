#include <unordered_set>

#include "LmWSModel.h"
#include "LmWsSosiExportUI.h"
#include "ModelCasts.h"
#include "SegmentChaining.h"
#include "TrenchPathProximity.h"

namespace {

void AddToSet(LwdDeviceSet& set, const LwdDevice* device) {
  if (device != nullptr && set.findDevice(device) < 0) set.addDevice(device);
}

SegmentChain ChainOf(const std::vector<std::size_t>& positions, const std::vector<const LwdDeviceSegment*>& segments) {
  SegmentChain chain;
  chain.reserve(positions.size());
  for (std::size_t position : positions) chain.push_back(segments[position]);
  return chain;
}

// What collecting a path needs for a while, kept from path to path so that
// a city's thousands of paths do not each allocate it again.
struct Scratch {
  std::vector<const LwdDeviceSegment*> pathSegments;
  std::vector<const LwtTrenchNode*> nodes;
  std::vector<const LwdDeviceSegment*> edgeSegments;
  std::vector<SegmentEnds> ends;
};

std::vector<SegmentChain> ChainEdgeSegments(const std::vector<const LwdDeviceSegment*>& segments,
                                            std::vector<SegmentEnds>& ends) {
  ends.clear();
  for (const LwdDeviceSegment* segment : segments) {
    ends.push_back({segment->getStartDevicePointObject(), segment->getEndDevicePointObject()});
  }
  std::vector<SegmentChain> chains;
  for (const auto& positions : ChainSegments(ends)) chains.push_back(ChainOf(positions, segments));
  return chains;
}

bool IsUnattached(const LwdDevicePointObject& pointObject) {
  return pointObject.numDeviceSegmentStarts() == 0 && pointObject.numDeviceSegmentEnds() == 0;
}

// Adds one selected path's segments, their point objects and the unattached
// point objects at its nodes, and records its sections' chains.
void CollectPath(const LwtTrenchPath& path, const LwcTrSectionDevSegmentLinkSet& sectionLinks,
                 const LwcNodePointObjectLinkSet& nodeLinks, LwdDeviceSet& exportSet, SectionChainList& sectionChains,
                 Scratch& scratch) {
  std::vector<const LwdDeviceSegment*>& pathSegments = scratch.pathSegments;
  std::vector<const LwtTrenchNode*>& nodes = scratch.nodes;
  std::vector<const LwdDeviceSegment*>& edgeSegments = scratch.edgeSegments;
  pathSegments.clear();
  nodes.clear();
  for (int e = 0; e < path.numEdges(); ++e) {
    const LwtTrenchEdge* edge = path.getEdge(e);
    if (edge == nullptr || edge->getTrenchSection() == nullptr) continue;
    const LwtTrenchSection* section = edge->getTrenchSection();
    sectionChains.push_back({section, {}});
    if (e == 0 && edge->getStartNode() != nullptr) nodes.push_back(edge->getStartNode());
    if (edge->getEndNode() != nullptr) nodes.push_back(edge->getEndNode());

    edgeSegments.clear();
    const int count = sectionLinks.numLinks(section);
    for (int i = 0; i < count; ++i) {
      const LwdDeviceSegment* segment = sectionLinks.getDeviceSegment(i, section);
      if (segment == nullptr) continue;
      pathSegments.push_back(segment);
      AddToSet(exportSet, segment);
      edgeSegments.push_back(segment);
    }
    sectionChains.back().chains = ChainEdgeSegments(edgeSegments, scratch.ends);
  }
  for (const LwdDeviceSegment* segment : pathSegments) {
    AddToSet(exportSet, segment->getStartDevicePointObject());
    AddToSet(exportSet, segment->getEndDevicePointObject());
  }
  for (const LwtTrenchNode* node : nodes) {
    const int count = nodeLinks.numLinks(node);
    for (int i = 0; i < count; ++i) {
      const LwdDevicePointObject* pointObject = nodeLinks.getDevicePointObject(i, node);
      if (pointObject != nullptr && IsUnattached(*pointObject)) AddToSet(exportSet, pointObject);
    }
  }
}

}  // namespace

bool LmWsSosiExportUI::AssembleDeviceSet(LwdDeviceSet* exportSet, SectionChainList& sectionChains,
                                         const LwdDeviceSet* modelSet, const std::vector<int>& selectedIds,
                                         const LwcNodePointObjectLinkSet* nodeLinks) const {
  if (exportSet == nullptr || modelSet == nullptr || sectionSegmentLinks_ == nullptr || selectedIds.empty()) {
    return false;
  }
  const std::unordered_set<int> wanted(selectedIds.begin(), selectedIds.end());
  std::vector<const LwtTrenchPath*> selected;
  std::vector<const LwtTrenchPath*> unselected;
  const int topologyCount = trenchTopology_ != nullptr ? trenchTopology_->numTopologyObjects() : 0;
  Scratch scratch;
  for (int i = 0; i < topologyCount; ++i) {
    const LwtTrenchPath* path = AsTrenchPath(trenchTopology_->getTopologyObject(i));
    if (path == nullptr) continue;
    if (wanted.contains(path->getPersistentID())) {
      if (nodeLinks != nullptr) {
        CollectPath(*path, *sectionSegmentLinks_, *nodeLinks, *exportSet, sectionChains, scratch);
      }
      selected.push_back(path);
    } else {
      unselected.push_back(path);
    }
  }

  std::vector<const LwdDevicePointObject*> freePointObjects;
  for (int i = 0; i < modelSet->numDevices(); ++i) {
    const LwdDevicePointObject* pointObject = AsPointObject(modelSet->getDevice(i));
    if (pointObject != nullptr && IsUnattached(*pointObject) &&
        (nodeLinks == nullptr || nodeLinks->numLinks(pointObject) == 0)) {
      freePointObjects.push_back(pointObject);
    }
  }
  if (unselected.empty()) {
    for (const LwdDevicePointObject* pointObject : freePointObjects) AddToSet(*exportSet, pointObject);
  } else {
    const TrenchPathProximity proximity(selected, unselected, *sectionSegmentLinks_);
    for (const LwdDevicePointObject* pointObject : freePointObjects) {
      if (proximity.Chooses(*pointObject)) AddToSet(*exportSet, pointObject);
    }
  }
  return exportSet->numDevices() > 0;
}
