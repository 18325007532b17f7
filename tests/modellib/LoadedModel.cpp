#include "LoadedModel.h"

#include <unordered_map>

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

std::string LoadedModel::Inconsistency() const {
  std::unordered_map<const LwdDevice*, int> starts, ends;
  for (int i = 0; i < devices->numDevices(); ++i) {
    const LwdDevice* device = devices->getDevice(i);
    if (const auto* pipe = dynamic_cast<const LwdPipe*>(device)) {
      for (int s = 0; s < pipe->numDeviceSegments(); ++s) {
        if (pipe->getDeviceSegment(s)->getPipe() != pipe) return "a segment of a pipe has another pipe";
      }
    } else if (const auto* segment = dynamic_cast<const LwdDeviceSegment*>(device)) {
      if (segment->getWSCurve()->GetHorVertices().size() < 2) return "a segment has fewer than two vertices";
      ++starts[segment->getStartDevicePointObject()];
      ++ends[segment->getEndDevicePointObject()];
    }
  }
  for (int i = 0; i < devices->numDevices(); ++i) {
    const auto* point = dynamic_cast<const LwdDevicePointObject*>(devices->getDevice(i));
    if (point != nullptr && (point->numDeviceSegmentStarts() != starts[point] ||
                             point->numDeviceSegmentEnds() != ends[point])) {
      return "point object " + std::to_string(point->getPersistentID()) + " miscounts its segments";
    }
  }
  const auto known = [this](const LwdDevice* device) { return devices->findDevice(device) >= 0; };
  for (int i = 0; topology != nullptr && i < topology->numTopologyObjects(); ++i) {
    const auto* path = dynamic_cast<const LwtTrenchPath*>(topology->getTopologyObject(i));
    for (int e = 0; path != nullptr && e < path->numEdges(); ++e) {
      const LwtTrenchEdge* edge = path->getEdge(e);
      if (edge->getTrenchPath() != path) return "an edge does not know its path";
      const LwtTrenchSection* section = edge->getTrenchSection();
      if (section != nullptr && section->getTrenchEdge() != edge) return "a section does not know its edge";
      for (int s = 0; section != nullptr && s < sectionLinks->numLinks(section); ++s) {
        if (!known(sectionLinks->getDeviceSegment(s, section))) return "a section links an unknown segment";
      }
      for (const LwtTrenchNode* node : {edge->getStartNode(), edge->getEndNode()}) {
        for (int p = 0; node != nullptr && p < nodeLinks->numLinks(node); ++p) {
          if (!known(nodeLinks->getDevicePointObject(p, node))) return "a node links an unknown point object";
        }
      }
    }
  }
  return {};
}

std::string ModelText(const std::string& children) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<WsModel version=\"1\">\n" + children + "</WsModel>\n";
}
