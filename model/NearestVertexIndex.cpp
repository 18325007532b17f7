#include "NearestVertexIndex.h"

#include <algorithm>
#include <cmath>

namespace {

double Coordinate(const PlanarPoint& p, int axis) { return axis == 0 ? p.x : p.y; }

// The search compares squared distances and takes one square root at the
// end: the root is correctly rounded and never decreasing, so the root of the
// least square is the least of the roots that PlanarDistance would give.
double SquaredDistance(const PlanarPoint& a, const PlanarPoint& b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return dx * dx + dy * dy;
}

// A subtree beyond the splitting line is skipped only when it is farther than
// the best distance by more than rounding could account for, so that the
// least computed distance is never missed.
constexpr double kPruneFactor = (1 + 1e-12) * (1 + 1e-12);

// Ranges this small are not split but looked through: splitting them was
// most of the work of building, and a search gains little from it.
constexpr std::size_t kLeafSize = 8;

}  // namespace

double PlanarDistance(const PlanarPoint& a, const PlanarPoint& b) { return std::sqrt(SquaredDistance(a, b)); }

NearestVertexIndex::NearestVertexIndex(std::vector<PlanarPoint> vertices) : nodes_(std::move(vertices)) {
  Build(0, nodes_.size(), 0);
}

void NearestVertexIndex::Build(std::size_t begin, std::size_t end, int axis) {
  if (end - begin <= kLeafSize) return;
  const std::size_t middle = begin + (end - begin) / 2;
  const auto first = nodes_.begin() + static_cast<std::ptrdiff_t>(begin);
  const auto nth = nodes_.begin() + static_cast<std::ptrdiff_t>(middle);
  const auto last = nodes_.begin() + static_cast<std::ptrdiff_t>(end);
  // One comparison for each axis, so that comparing does not branch on it.
  if (axis == 0) {
    std::nth_element(first, nth, last, [](const PlanarPoint& a, const PlanarPoint& b) { return a.x < b.x; });
  } else {
    std::nth_element(first, nth, last, [](const PlanarPoint& a, const PlanarPoint& b) { return a.y < b.y; });
  }
  Build(begin, middle, 1 - axis);
  Build(middle + 1, end, 1 - axis);
}

double NearestVertexIndex::MinDistance(const PlanarPoint& from) const {
  double best = std::numeric_limits<double>::infinity();
  Search(0, nodes_.size(), 0, from, PlanarPoint{}, best);
  return std::sqrt(best);
}

// `gap` is how far `from` lies outside the range's region along each axis,
// so that a range is passed over when its whole region is farther than the
// best distance, not only the half beyond the latest splitting line: a point
// far from all vertices would otherwise visit most of them.
void NearestVertexIndex::Search(std::size_t begin, std::size_t end, int axis, const PlanarPoint& from,
                                PlanarPoint gap, double& bestSquared) const {
  if (end - begin <= kLeafSize) {
    for (std::size_t i = begin; i < end; ++i) bestSquared = std::min(bestSquared, SquaredDistance(from, nodes_[i]));
    return;
  }
  const std::size_t middle = begin + (end - begin) / 2;
  const PlanarPoint& split = nodes_[middle];
  bestSquared = std::min(bestSquared, SquaredDistance(from, split));
  const double offset = Coordinate(from, axis) - Coordinate(split, axis);
  const bool lowFirst = offset < 0;
  if (lowFirst) {
    Search(begin, middle, 1 - axis, from, gap, bestSquared);
  } else {
    Search(middle + 1, end, 1 - axis, from, gap, bestSquared);
  }
  (axis == 0 ? gap.x : gap.y) = offset;
  if (gap.x * gap.x + gap.y * gap.y > bestSquared * kPruneFactor) return;
  if (lowFirst) {
    Search(middle + 1, end, 1 - axis, from, gap, bestSquared);
  } else {
    Search(begin, middle, 1 - axis, from, gap, bestSquared);
  }
}
