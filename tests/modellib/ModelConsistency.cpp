#include "ModelConsistency.h"

#include <unordered_map>

std::string ModelInconsistency(const LmWSModelSets& model) {
  std::unordered_map<const LwdDevice*, int> starts, ends;
  for (int i = 0; i < model.devices->numDevices(); ++i) {
    const LwdDevice* device = model.devices->getDevice(i);
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
  for (int i = 0; i < model.devices->numDevices(); ++i) {
    const auto* point = dynamic_cast<const LwdDevicePointObject*>(model.devices->getDevice(i));
    if (point != nullptr && (point->numDeviceSegmentStarts() != starts[point] ||
                             point->numDeviceSegmentEnds() != ends[point])) {
      return "point object " + std::to_string(point->getPersistentID()) + " miscounts its segments";
    }
  }
  const auto known = [&model](const LwdDevice* device) { return model.devices->findDevice(device) >= 0; };
  for (int i = 0; model.topology != nullptr && i < model.topology->numTopologyObjects(); ++i) {
    const auto* path = dynamic_cast<const LwtTrenchPath*>(model.topology->getTopologyObject(i));
    for (int e = 0; path != nullptr && e < path->numEdges(); ++e) {
      const LwtTrenchEdge* edge = path->getEdge(e);
      if (edge->getTrenchPath() != path) return "an edge does not know its path";
      const LwtTrenchSection* section = edge->getTrenchSection();
      if (section != nullptr && section->getTrenchEdge() != edge) return "a section does not know its edge";
      for (int s = 0; section != nullptr && s < model.sectionLinks->numLinks(section); ++s) {
        if (!known(model.sectionLinks->getDeviceSegment(s, section))) return "a section links an unknown segment";
      }
      for (const LwtTrenchNode* node : {edge->getStartNode(), edge->getEndNode()}) {
        for (int p = 0; node != nullptr && p < model.nodeLinks->numLinks(node); ++p) {
          if (!known(model.nodeLinks->getDevicePointObject(p, node))) return "a node links an unknown point object";
        }
      }
    }
  }
  return {};
}
