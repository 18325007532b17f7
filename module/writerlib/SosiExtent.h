#pragma once
// The area a file covers, for the header's ..OMRÅDE: the smallest box of whole
// metres that holds every coordinate written.

#include <algorithm>
#include <cmath>
#include <limits>

class SosiExtent {
 public:
  void Add(double north, double east) {
    minNorth_ = std::min(minNorth_, north);
    minEast_ = std::min(minEast_, east);
    maxNorth_ = std::max(maxNorth_, north);
    maxEast_ = std::max(maxEast_, east);
  }
  bool Empty() const { return minNorth_ > maxNorth_; }

  // Whole metres; an empty extent is the single point 0 0.
  long long MinNorth() const { return Empty() ? 0 : static_cast<long long>(std::floor(minNorth_)); }
  long long MinEast() const { return Empty() ? 0 : static_cast<long long>(std::floor(minEast_)); }
  long long MaxNorth() const { return Empty() ? 0 : static_cast<long long>(std::ceil(maxNorth_)); }
  long long MaxEast() const { return Empty() ? 0 : static_cast<long long>(std::ceil(maxEast_)); }

 private:
  double minNorth_ = std::numeric_limits<double>::infinity();
  double minEast_ = std::numeric_limits<double>::infinity();
  double maxNorth_ = -std::numeric_limits<double>::infinity();
  double maxEast_ = -std::numeric_limits<double>::infinity();
};
