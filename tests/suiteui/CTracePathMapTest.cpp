#include <gtest/gtest.h>

#include "CTracePathMap.h"

namespace {

// Two parallel west-east paths 100 m apart, around national grid numbers.
TracePathOutlines TwoStreets() {
  return {
      {1, {{{597000, 6650100}, {597200, 6650100}}}},
      {2, {{{597000, 6650000}, {597200, 6650000}}}},
  };
}

}  // namespace

TEST(CTracePathMap, FitsTheOutlinesNorthUpWithTrueProportions) {
  CTracePathMap map;
  map.resize(300, 200);
  map.SetOutlines(TwoStreets());
  const QPointF southWest = map.MapToWidget(597000, 6650000);
  const QPointF northEast = map.MapToWidget(597200, 6650100);
  EXPECT_LT(northEast.y(), southWest.y());
  // 200 m by 100 m stays two to one whatever the widget's own proportions.
  EXPECT_NEAR((northEast.x() - southWest.x()) / (southWest.y() - northEast.y()), 2.0, 1e-9);
  EXPECT_GT(northEast.x() - southWest.x(), 250);
  EXPECT_LE(northEast.x() - southWest.x(), 300);
  map.resize(600, 400);
  EXPECT_GT(map.MapToWidget(597200, 6650000).x(), 550);
}

TEST(CTracePathMap, ASinglePointOrStraightLineStillFits) {
  CTracePathMap map;
  map.resize(200, 200);
  map.SetOutlines({{7, {{{597000, 6650000}, {597000, 6650300}}}}});
  EXPECT_NEAR(map.MapToWidget(597000, 6650000).x(), 100, 1e-9);
  EXPECT_GT(map.MapToWidget(597000, 6650000).y() - map.MapToWidget(597000, 6650300).y(), 150);
  map.SetOutlines({{8, {{{597000, 6650000}}}}});
  EXPECT_EQ(map.MapToWidget(597000, 6650000), QPointF(100, 100));
}

TEST(CTracePathMap, AChainOfTinySegmentsIsFoundEndToEnd) {
  // A street as a town model gives it: two thousand segments of ten
  // centimetres, each a fraction of a pixel here.
  std::vector<std::vector<std::pair<double, double>>> chain;
  for (int i = 0; i < 2000; ++i) chain.push_back({{597000 + i * 0.1, 6650000}, {597000 + (i + 1) * 0.1, 6650000}});
  CTracePathMap map;
  map.resize(300, 200);
  map.SetOutlines({{1, {{{597000, 6650100}, {597200, 6650100}}}}, {2, chain}});
  for (const double x : {597000.0, 597137.3, 597200.0}) EXPECT_EQ(map.PathAt(map.MapToWidget(x, 6650000)), 2) << x;
  EXPECT_EQ(map.PathAt(map.MapToWidget(597200, 6650000) + QPointF(4, 0)), 2);
}
