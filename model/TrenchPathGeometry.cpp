#include "TrenchPathGeometry.h"

#include "LmWSModel.h"

namespace {

template <typename Visit>
void ForEachLinkedSegment(const LwtTrenchSection* section, const LwcTrSectionDevSegmentLinkSet& links, Visit visit) {
  const int count = links.numLinks(section);
  for (int i = 0; i < count; ++i) {
    if (const LwdDeviceSegment* segment = links.getDeviceSegment(i, section)) visit(*segment);
  }
}

}  // namespace

std::optional<PlanarPoint> TrenchNodePosition(const LwtTrenchNode* node) {
  if (node == nullptr) return std::nullopt;
  const LwtTrenchConnectionPoint* connectionPoint = node->getTrenchConnectionPoint();
  if (connectionPoint == nullptr || connectionPoint->getPoint() == nullptr) return std::nullopt;
  const GmiPosition& position = connectionPoint->getPoint()->getPosition();
  return PlanarPoint{position.getX(), position.getY()};
}

std::vector<PlanarPoint> TrenchPathVertices(const LwtTrenchPath& path, const LwcTrSectionDevSegmentLinkSet& links) {
  std::vector<PlanarPoint> vertices;
  for (int e = 0; e < path.numEdges(); ++e) {
    const LwtTrenchEdge* edge = path.getEdge(e);
    if (edge == nullptr || edge->getTrenchSection() == nullptr) continue;
    if (e == 0) {
      if (auto start = TrenchNodePosition(edge->getStartNode())) vertices.push_back(*start);
    }
    if (auto end = TrenchNodePosition(edge->getEndNode())) vertices.push_back(*end);
    ForEachLinkedSegment(edge->getTrenchSection(), links, [&vertices](const LwdDeviceSegment& segment) {
      for (const WSVertex& vertex : segment.getWSCurve()->GetHorVertices()) vertices.push_back({vertex.x, vertex.y});
    });
  }
  return vertices;
}

std::vector<std::vector<std::pair<double, double>>> TrenchPathOutline(const LwtTrenchPath& path,
                                                                      const LwcTrSectionDevSegmentLinkSet* links) {
  std::vector<std::vector<std::pair<double, double>>> outline;
  for (int e = 0; e < path.numEdges(); ++e) {
    const LwtTrenchEdge* edge = path.getEdge(e);
    if (edge == nullptr) continue;
    const std::size_t before = outline.size();
    if (links != nullptr && edge->getTrenchSection() != nullptr) {
      ForEachLinkedSegment(edge->getTrenchSection(), *links, [&](const LwdDeviceSegment& segment) {
        const std::vector<WSVertex>& vertices = segment.getWSCurve()->GetHorVertices();
        // A segment that goes on from the end of the line before extends it.
        const bool goesOn = outline.size() > before && !vertices.empty() &&
                            outline.back().back() == std::pair(vertices.front().x, vertices.front().y);
        if (!goesOn) outline.emplace_back();
        for (std::size_t i = goesOn ? 1 : 0; i < vertices.size(); ++i) {
          outline.back().emplace_back(vertices[i].x, vertices[i].y);
        }
      });
    }
    const auto start = TrenchNodePosition(edge->getStartNode());
    const auto end = TrenchNodePosition(edge->getEndNode());
    if (outline.size() == before && start && end) outline.push_back({{start->x, start->y}, {end->x, end->y}});
  }
  return outline;
}
