#pragma once
// The line geometry of a device segment: its vertices in running order.

#include <utility>
#include <vector>

// x and y come first: callers that read only the plane rely on that order.
struct WSVertex {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;  // 0 when the vertex has no height
  bool hasZ = false;
};

class WSCurve {
 public:
  WSCurve() = default;
  explicit WSCurve(std::vector<WSVertex> vertices) : vertices_(std::move(vertices)) {}

  // Every vertex, with its height where it has one; "horizontal" because the
  // plane position is what defines the curve.
  const std::vector<WSVertex>& GetHorVertices() const { return vertices_; }

 private:
  std::vector<WSVertex> vertices_;
};
