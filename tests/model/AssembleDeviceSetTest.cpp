#include <gtest/gtest.h>

#include "LoadedNetwork.h"

using namespace testnet;

namespace {

// Path 601 runs from (0,0) to (20,0) through manholes 11, 12, 13; path 602
// from (100,0) to (120,0) through 14, 15. Point objects 21 and 22 sit at
// 601's nodes without pipes, 23 at 602's first node; 14 is linked to 601's
// last node but belongs to 602's segment; 31 to 35 are free.
Network TwoPaths() {
  Network net;
  for (int id = 11; id <= 15; ++id) net.elements.push_back(PointObject{id, "Manhole", "-SK", "Kum", {}});
  net.elements.push_back(PointObject{21, "Valve", "V1", "Ventil", {}});
  net.elements.push_back(PointObject{22, "PipeJoint", "J1", "Skjøt", {}});
  net.elements.push_back(PointObject{23, "Hydrant", "H1", "Hydrant", {}});
  net.elements.push_back(PointObject{31, "Gully", "near 601", "Sandfang", Point{1, 1}});
  net.elements.push_back(PointObject{32, "Gully", "near 602", "Sandfang", Point{101, 1}});
  net.elements.push_back(PointObject{33, "Gully", "halfway", "Sandfang", Point{60, 0}});
  net.elements.push_back(PointObject{34, "Gully", "nowhere", "Sandfang", {}});
  net.elements.push_back(PointObject{35, "Outlet", "on a node", "Utløp", Point{0, 0}});
  net.elements.push_back(Pipe{40,
                              "SP",
                              "SP",
                              "PVC",
                              "PVC",
                              {Segment{41, 11, 12, {{0, 0}, {10, 0}}}, Segment{42, 12, 13, {{10, 0}, {20, 0}}},
                               Segment{43, 14, 15, {{100, 0}, {120, 0}}}}});
  net.elements.push_back(TrenchNode{51, Point{0, 0}, {11, 21}});
  net.elements.push_back(TrenchNode{52, Point{20, 0}, {22, 14}});
  net.elements.push_back(TrenchNode{53, Point{100, 0}, {23}});
  net.elements.push_back(TrenchNode{54, Point{120, 0}, {}});
  net.elements.push_back(TrenchPath{601, "A", 1, 0, {Edge{701, 51, 52, {42, 41}}}});
  net.elements.push_back(TrenchPath{602, "B", 1, 0, {Edge{702, 53, 54, {43}}}});
  return net;
}

struct Assembly {
  bool result = false;
  std::vector<int> ids;
  SectionChainList chains;
};

Assembly Assemble(LoadedNetwork& net, const std::vector<int>& selected) {
  Assembly assembly;
  LwdDeviceSet exportSet;
  assembly.result =
      net.controller.AssembleDeviceSet(&exportSet, assembly.chains, net.devices.get(), selected, net.nodeLinks);
  assembly.ids = LoadedNetwork::Ids(exportSet);
  return assembly;
}

}  // namespace

TEST(AssembleDeviceSet, SegmentsThenTheirEndsThenNodeObjectsThenNearbyFreeObjects) {
  const auto net = LoadNetwork(TwoPaths());
  ASSERT_NE(net, nullptr);
  const Assembly assembly = Assemble(*net, {601});
  EXPECT_TRUE(assembly.result);
  // 11 enters as a segment end although node 51 links it; 14 stays with its
  // segment; 31 is nearer 601, 33 as near to both, 34 has no position, 35 lies
  // on 601's node; 32 is nearer 602 and 23 belongs to 602's node.
  EXPECT_EQ(assembly.ids, (std::vector<int>{42, 41, 12, 13, 11, 21, 22, 31, 33, 34, 35}));
  ASSERT_EQ(assembly.chains.size(), 1u);
  EXPECT_EQ(assembly.chains[0].section->getPersistentID(), 701);
  ASSERT_EQ(assembly.chains[0].chains.size(), 1u);
  EXPECT_EQ(assembly.chains[0].chains[0], (SegmentChain{net->Segment(41), net->Segment(42)}));
}

TEST(AssembleDeviceSet, OtherSelectionsTakeEveryPathOrOnlyTheFreePointObjectsOrNothing) {
  const auto net = LoadNetwork(TwoPaths());
  ASSERT_NE(net, nullptr);
  const struct {
    std::vector<int> selected;
    std::vector<int> ids;
    std::size_t chains;
  } rows[] = {
      {{602, 601}, {42, 41, 12, 13, 11, 21, 22, 43, 14, 15, 23, 31, 32, 33, 34, 35}, 2},
      {{999}, {31, 32, 33, 34, 35}, 0},
      {{}, {}, 0},
  };
  for (const auto& row : rows) {
    const Assembly assembly = Assemble(*net, row.selected);
    EXPECT_EQ(assembly.result, !row.ids.empty());
    EXPECT_EQ(assembly.ids, row.ids);
    EXPECT_EQ(assembly.chains.size(), row.chains);
  }
}
