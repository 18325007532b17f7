#pragma once
// The least planar distance from a point to a fixed set of vertices, answered
// by a 2-d tree so that town-sized models stay fast. Distances are computed
// by PlanarDistance for every vertex compared, so the answer is exactly the
// least of PlanarDistance over all vertices.

#include <cstddef>
#include <limits>
#include <vector>

struct PlanarPoint {
  double x = 0;
  double y = 0;
};

double PlanarDistance(const PlanarPoint& a, const PlanarPoint& b);

class NearestVertexIndex {
 public:
  explicit NearestVertexIndex(std::vector<PlanarPoint> vertices);

  bool Empty() const { return nodes_.empty(); }
  // Infinity when there are no vertices.
  double MinDistance(const PlanarPoint& from) const;

 private:
  void Build(std::size_t begin, std::size_t end, int axis);
  void Search(std::size_t begin, std::size_t end, int axis, const PlanarPoint& from, PlanarPoint gap,
              double& bestSquared) const;

  std::vector<PlanarPoint> nodes_;  // each range's median sits at its middle, down to a few vertices
};
