#include "TrenchPathProximity.h"

#include <algorithm>
#include <optional>

#include "LmWSModel.h"
#include "TrenchPathGeometry.h"

namespace {

std::vector<PlanarPoint> AllVertices(const std::vector<const LwtTrenchPath*>& paths,
                                     const LwcTrSectionDevSegmentLinkSet& links, bool& anyPathWithout) {
  std::vector<PlanarPoint> all;
  anyPathWithout = false;
  for (const LwtTrenchPath* path : paths) {
    std::vector<PlanarPoint> vertices = TrenchPathVertices(*path, links);
    if (vertices.empty()) anyPathWithout = true;
    all.insert(all.end(), vertices.begin(), vertices.end());
  }
  return all;
}

}  // namespace

TrenchPathProximity::Side::Side(const std::vector<const LwtTrenchPath*>& paths,
                                const LwcTrSectionDevSegmentLinkSet& links)
    : hasPaths(!paths.empty()), vertices(AllVertices(paths, links, hasPathWithoutVertices)) {}

// The least of the paths' distances: the nearest vertex of them all, or the
// far distance that a path without vertices stands at.
double TrenchPathProximity::Side::DistanceTo(const PlanarPoint* point) const {
  if (point == nullptr) return kFarDistance;
  double distance = vertices.MinDistance(*point);
  if (hasPathWithoutVertices) distance = std::min(distance, kFarDistance);
  return distance;
}

TrenchPathProximity::TrenchPathProximity(const std::vector<const LwtTrenchPath*>& selected,
                                         const std::vector<const LwtTrenchPath*>& unselected,
                                         const LwcTrSectionDevSegmentLinkSet& links)
    : selected_(selected, links), unselected_(unselected, links) {}

bool TrenchPathProximity::Chooses(const LwdDevicePointObject& pointObject) const {
  std::optional<PlanarPoint> position;
  if (const GmiSinglePoint* point = pointObject.getRelPoint()) {
    position = PlanarPoint{point->getPosition().getX(), point->getPosition().getY()};
  }
  const PlanarPoint* at = position ? &*position : nullptr;
  const double toSelected = selected_.hasPaths ? selected_.DistanceTo(at) : -1.0;
  return unselected_.DistanceTo(at) >= toSelected;
}
