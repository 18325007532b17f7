#pragma once
// Decides which free point objects go with a partial trench path selection:
// those at least as near to a selected path as to every unselected one. A
// path's distance is the least distance to its vertices; a path without
// vertices, or a point object without a position, is at the far distance.

#include <vector>

#include "NearestVertexIndex.h"

class LwcTrSectionDevSegmentLinkSet;
class LwdDevicePointObject;
class LwtTrenchPath;

constexpr double kFarDistance = 9999999999999.9;

class TrenchPathProximity {
 public:
  TrenchPathProximity(const std::vector<const LwtTrenchPath*>& selected,
                      const std::vector<const LwtTrenchPath*>& unselected, const LwcTrSectionDevSegmentLinkSet& links);

  // Ties choose the point object; with no selected path every one is chosen.
  bool Chooses(const LwdDevicePointObject& pointObject) const;

 private:
  struct Side {
    Side(const std::vector<const LwtTrenchPath*>& paths, const LwcTrSectionDevSegmentLinkSet& links);
    double DistanceTo(const PlanarPoint* point) const;

    bool hasPaths = false;
    bool hasPathWithoutVertices = false;  // set while `vertices` is built, so declared before it
    NearestVertexIndex vertices;
  };

  Side selected_;
  Side unselected_;
};
