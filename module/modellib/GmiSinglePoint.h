#pragma once
// Point geometry: what a point object or a trench connection point stands on.

#include "GmiPosition.h"

class GmiSinglePoint {
 public:
  GmiSinglePoint() = default;
  explicit GmiSinglePoint(const GmiPosition& position) : position_(position) {}

  const GmiPosition& getPosition() const { return position_; }

 private:
  GmiPosition position_;
};
