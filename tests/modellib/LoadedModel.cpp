#include "LoadedModel.h"

LoadedModel LoadModel(const std::filesystem::path& file) {
  LoadedModel model;
  std::unique_ptr<GmvGeodataXMLReadVisitor> visitor(
      GmvGeodataXMLFactory::getGeodataXMLReadVisitor(file.string().c_str()));
  if (!visitor) return model;
  std::unique_ptr<GmiGeodataSet> set;
  if (visitor->openReader()) {
    visitor->clearTable();
    set.reset(visitor->makeObject(visitor->getStartOrEndTag()));
    visitor->performMethods();
    visitor->closeReader();
  }
  visitor.reset();
  if (!set) return model;
  model.composites = set->numComposites();
  LwdDeviceSet* devices = nullptr;
  LwtTrenchSectionSet* sections = nullptr;
  LwtTrenchConnectionPointSet* connectionPoints = nullptr;
  LwtTrenchTopologySet* topology = nullptr;
  LwsSurfaceDescriptionSet* surfaces = nullptr;
  LwcNodePointObjectLinkSet* nodeLinks = nullptr;
  LwcTrSectionDevSegmentLinkSet* sectionLinks = nullptr;
  LmWSMapper::MapToWSModel(set.get(), devices, sections, connectionPoints, topology, surfaces, nodeLinks,
                           sectionLinks, 0);
  model.devices.reset(devices);
  model.sections.reset(sections);
  model.connectionPoints.reset(connectionPoints);
  model.topology.reset(topology);
  model.surfaces.reset(surfaces);
  model.nodeLinks.reset(nodeLinks);
  model.sectionLinks.reset(sectionLinks);
  return model;
}

const LwtTrenchPath* LoadedModel::Path(int index) const {
  return dynamic_cast<const LwtTrenchPath*>(topology->getTopologyObject(index));
}

const LwdDevice* LoadedModel::Device(int persistentId) const {
  for (int i = 0; i < devices->numDevices(); ++i) {
    if (devices->getDevice(i)->getPersistentID() == persistentId) return devices->getDevice(i);
  }
  return nullptr;
}
