#include "LmWSMapper.h"

#include "GmiGeodataSet.h"
#include "LmWSModelSets.h"
#include "LwcNodePointObjectLinkSet.h"
#include "LwcTrSectionDevSegmentLinkSet.h"
#include "LwdDeviceSet.h"
#include "LwsSurfaceDescriptionSet.h"
#include "LwtTrenchConnectionPointSet.h"
#include "LwtTrenchSectionSet.h"
#include "LwtTrenchTopologySet.h"
#include "WsModelStore.h"

bool LmWSMapper::MapToWSModel(const GmiGeodataSet* set, LwdDeviceSet*& devices, LwtTrenchSectionSet*& sections,
                              LwtTrenchConnectionPointSet*& connectionPoints, LwtTrenchTopologySet*& topology,
                              LwsSurfaceDescriptionSet*& surfaces, LwcNodePointObjectLinkSet*& nodeLinks,
                              LwcTrSectionDevSegmentLinkSet*& sectionLinks, int reserved) {
  devices = nullptr;
  sections = nullptr;
  connectionPoints = nullptr;
  topology = nullptr;
  surfaces = nullptr;
  nodeLinks = nullptr;
  sectionLinks = nullptr;
  if (set == nullptr || set->getModel() == nullptr || reserved != 0) return false;

  const std::shared_ptr<const WsModelStore>& model = set->getModel();
  devices = new LwdDeviceSet(model);
  sections = new LwtTrenchSectionSet(model);
  connectionPoints = new LwtTrenchConnectionPointSet(model);
  if (!model->TopologyObjects().empty()) topology = new LwtTrenchTopologySet(model);
  surfaces = new LwsSurfaceDescriptionSet(model);
  nodeLinks = new LwcNodePointObjectLinkSet(model);
  sectionLinks = new LwcTrSectionDevSegmentLinkSet(model);
  return true;
}

bool LmWSModelSets::Map(const GmiGeodataSet* set) {
  LwdDeviceSet* newDevices = nullptr;
  LwtTrenchSectionSet* newSections = nullptr;
  LwtTrenchConnectionPointSet* newConnectionPoints = nullptr;
  LwtTrenchTopologySet* newTopology = nullptr;
  LwsSurfaceDescriptionSet* newSurfaces = nullptr;
  LwcNodePointObjectLinkSet* newNodeLinks = nullptr;
  LwcTrSectionDevSegmentLinkSet* newSectionLinks = nullptr;
  const bool mapped = LmWSMapper::MapToWSModel(set, newDevices, newSections, newConnectionPoints, newTopology,
                                               newSurfaces, newNodeLinks, newSectionLinks, 0);
  devices.reset(newDevices);
  sections.reset(newSections);
  connectionPoints.reset(newConnectionPoints);
  topology.reset(newTopology);
  surfaces.reset(newSurfaces);
  nodeLinks.reset(newNodeLinks);
  sectionLinks.reset(newSectionLinks);
  return mapped;
}
