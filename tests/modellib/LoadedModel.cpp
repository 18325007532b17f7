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
  model.Map(set.get());
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

std::string ModelText(const std::string& children) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<WsModel version=\"1\">\n" + children + "</WsModel>\n";
}
