#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "NearestVertexIndex.h"

namespace {

double BruteForce(const std::vector<PlanarPoint>& vertices, const PlanarPoint& from) {
  double least = std::numeric_limits<double>::infinity();
  for (const PlanarPoint& vertex : vertices) least = std::min(least, PlanarDistance(from, vertex));
  return least;
}

}  // namespace

TEST(NearestVertexIndex, GivesExactlyTheLeastDistanceAtTownCoordinates) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> east(569000.0, 575000.0), north(7034000.0, 7040000.0);
  std::uniform_int_distribution<int> cluster(0, 9);
  std::vector<PlanarPoint> vertices;
  for (int i = 0; i < 3000; ++i) {
    // Half spread out, half on a few streets with repeated and collinear vertices.
    if (i % 2 == 0) {
      vertices.push_back({east(random), north(random)});
    } else {
      vertices.push_back({569000.0 + 100.0 * cluster(random), 7034000.0 + 0.25 * (i % 40)});
    }
  }
  const NearestVertexIndex index(vertices);
  for (int q = 0; q < 3000; ++q) {
    const PlanarPoint from =
        q % 3 == 0 ? vertices[static_cast<std::size_t>(q)] : PlanarPoint{east(random), north(random)};
    ASSERT_EQ(index.MinDistance(from), BruteForce(vertices, from)) << q;
  }
  EXPECT_EQ(index.MinDistance({1e9, -1e9}), BruteForce(vertices, {1e9, -1e9}));
}

TEST(NearestVertexIndex, AnEmptyIndexIsInfinitelyFar) {
  const NearestVertexIndex index({});
  EXPECT_TRUE(index.Empty());
  EXPECT_TRUE(std::isinf(index.MinDistance({0, 0})));
}
