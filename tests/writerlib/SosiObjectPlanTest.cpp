#include <gtest/gtest.h>

#include "SosiObjectPlan.h"
#include "TestNetwork.h"

namespace {

std::vector<std::pair<double, double>> Vertices(const SosiCurvePlan& curve) {
  std::vector<std::pair<double, double>> xy;
  SosiObjectPlan::ForEachVertex(curve, [&](const WSVertex& v) { xy.emplace_back(v.x, v.y); });
  return xy;
}

using XY = std::vector<std::pair<double, double>>;

}  // namespace

TEST(SosiObjectPlan, AJointWithDifferentHeightsKeepsBothVertices) {
  TestNetwork net;
  auto* drop =
      net.store->AddSegment(net.pipe, 303, {{569080.00, 7034150.00, 9.00, true}, {569090.00, 7034160.00, 8.9, true}});
  const PipeRuns runs{{net.second, drop}};
  const SosiObjectPlan plan(&net.devices, &runs, nullptr);
  EXPECT_EQ(Vertices(plan.Curves()[0]).size(), 4u);
}

TEST(SosiObjectPlan, NullSegmentsAndEmptyRunsAreSkipped) {
  TestNetwork net;
  const PipeRuns runs{{}, {nullptr, net.first, nullptr, net.second, nullptr}};
  const PipeTags tags{{301, {L"tag", true}}};
  const SosiObjectPlan plan(&net.devices, &runs, &tags);
  ASSERT_EQ(plan.Curves().size(), 1u);
  EXPECT_EQ(plan.Curves()[0].segments.size(), 3u);
  EXPECT_NE(plan.Curves()[0].tag, nullptr);
  EXPECT_EQ(Vertices(plan.Curves()[0]).size(), 3u);
}

TEST(SosiObjectPlan, CurvesWithOneDistinctVertexOrSomeHeightsMissingAreCounted) {
  TestNetwork net;
  LwdDeviceSet devices;
  devices.addDevice(net.store->AddSegment(net.pipe, 320, {{5, 5}, {5.001, 5.001}}));
  devices.addDevice(net.store->AddSegment(net.pipe, 321, {{5, 5}}));
  devices.addDevice(net.store->AddSegment(net.pipe, 322, {{1, 1, 5, true}, {2, 2}}));
  const SosiObjectPlan plan(&devices, nullptr, nullptr);
  ASSERT_EQ(plan.Curves().size(), 2u);  // two vertices, even when they fall on one centimetre
  EXPECT_EQ(plan.CurvesWithoutGeometry(), 1);
  EXPECT_FALSE(plan.Curves()[1].heights);  // written flat
  EXPECT_FALSE(plan.AnyHeights());
  EXPECT_EQ(plan.CurvesWithPartialHeights(), 1);
}
