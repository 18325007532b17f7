#pragma once
// A position in the model's projected coordinate system: x east, y north,
// and a height that a position may lack.

class GmiPosition {
 public:
  GmiPosition() = default;
  GmiPosition(double x, double y) : x_(x), y_(y) {}
  GmiPosition(double x, double y, double z) : x_(x), y_(y), z_(z), hasZ_(true) {}

  double getX() const { return x_; }
  double getY() const { return y_; }
  // 0 when the position has no height.
  double getZ() const { return z_; }
  bool hasZ() const { return hasZ_; }

 private:
  double x_ = 0.0;
  double y_ = 0.0;
  double z_ = 0.0;
  bool hasZ_ = false;
};
