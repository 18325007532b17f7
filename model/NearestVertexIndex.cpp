#include "NearestVertexIndex.h"

#include <algorithm>
#include <cmath>

namespace {

double Coordinate(const PlanarPoint& p, int axis) { return axis == 0 ? p.x : p.y; }

// A subtree beyond the splitting line is skipped only when it is farther than
// the best distance by more than rounding could account for, so that the
// least computed distance is never missed.
constexpr double kPruneMargin = 1e-12;

}  // namespace

double PlanarDistance(const PlanarPoint& a, const PlanarPoint& b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return std::sqrt(dx * dx + dy * dy);
}

NearestVertexIndex::NearestVertexIndex(std::vector<PlanarPoint> vertices) : nodes_(std::move(vertices)) {
  Build(0, nodes_.size(), 0);
}

void NearestVertexIndex::Build(std::size_t begin, std::size_t end, int axis) {
  if (end - begin < 2) return;
  const std::size_t middle = begin + (end - begin) / 2;
  std::nth_element(
      nodes_.begin() + static_cast<std::ptrdiff_t>(begin), nodes_.begin() + static_cast<std::ptrdiff_t>(middle),
      nodes_.begin() + static_cast<std::ptrdiff_t>(end),
      [axis](const PlanarPoint& a, const PlanarPoint& b) { return Coordinate(a, axis) < Coordinate(b, axis); });
  Build(begin, middle, 1 - axis);
  Build(middle + 1, end, 1 - axis);
}

double NearestVertexIndex::MinDistance(const PlanarPoint& from) const {
  double best = std::numeric_limits<double>::infinity();
  Search(0, nodes_.size(), 0, from, best);
  return best;
}

void NearestVertexIndex::Search(std::size_t begin, std::size_t end, int axis, const PlanarPoint& from,
                                double& best) const {
  if (begin >= end) return;
  const std::size_t middle = begin + (end - begin) / 2;
  const PlanarPoint& split = nodes_[middle];
  best = std::min(best, PlanarDistance(from, split));
  const double offset = Coordinate(from, axis) - Coordinate(split, axis);
  const bool lowFirst = offset < 0;
  if (lowFirst) {
    Search(begin, middle, 1 - axis, from, best);
  } else {
    Search(middle + 1, end, 1 - axis, from, best);
  }
  if (std::fabs(offset) > best * (1 + kPruneMargin)) return;
  if (lowFirst) {
    Search(middle + 1, end, 1 - axis, from, best);
  } else {
    Search(begin, middle, 1 - axis, from, best);
  }
}
