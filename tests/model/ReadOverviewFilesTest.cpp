#include <gtest/gtest.h>

#include "LoadedNetwork.h"
#include "WideText.h"

using namespace testnet;

namespace {

std::string Tag(const std::string& d, const std::string& e) { return "+;P1;=;320;.;01;-;" + d + ";" + e; }
std::wstring TagText(const std::wstring& d, const std::wstring& e) { return L"+P1=320.01-" + d + e; }

// Path 601 holds segments 41 (manhole 11 to 12) and 42 (12 to 13); path 602
// holds 43 (13 to 14), connected to 42 at manhole 13. With `downstreamFirst`
// path 601 lists 42's edge before 41's, so 41 comes to a run that 42 began
// and must join it in front.
Network Street(bool downstreamFirst = false) {
  Network net;
  for (int n = 1; n <= 4; ++n) {
    net.elements.push_back(PointObject{10 + n, "Manhole", "-SK0" + std::to_string(n), "Kum", Point{10.0 * n, 0}});
  }
  net.elements.push_back(Pipe{40,
                              "SP",
                              "SP",
                              "PVC",
                              "PVC",
                              {Segment{41, 11, 12, {{10, 0}, {20, 0}}}, Segment{42, 12, 13, {{20, 0}, {30, 0}}},
                               Segment{43, 13, 14, {{30, 0}, {40, 0}}}}});
  const Edge upstream{701, 0, 0, {41}};
  const Edge downstream{702, 0, 0, {42}};
  net.elements.push_back(
      TrenchPath{601, "A", 1, 0, downstreamFirst ? std::vector{downstream, upstream} : std::vector{upstream, downstream}});
  net.elements.push_back(TrenchPath{602, "B", 1, 0, {Edge{703, 0, 0, {43}}}});
  return net;
}

struct Overview {
  PointObjectTagMap pointObjectTags;
  PipeTagMap pipeTags;
  std::vector<std::vector<int>> runs;
};

Overview Read(LoadedNetwork& net, const std::vector<std::string>& files) {
  LwdDeviceSet exportSet;
  SectionChainList chains;
  net.controller.AssembleDeviceSet(&exportSet, chains, net.devices.get(), {601, 602}, net.nodeLinks);
  std::vector<std::wstring> paths;
  for (std::size_t i = 0; i < files.size(); ++i) {
    paths.push_back(platform::FromUtf8(net.folder.Write("o" + std::to_string(i) + ".csv", files[i]).string()));
  }
  Overview overview;
  PipeRuns runs;
  net.controller.ReadOverviewFiles(&exportSet, paths, chains, overview.pointObjectTags, overview.pipeTags, runs);
  overview.runs = LoadedNetwork::RunIds(runs);
  return overview;
}

}  // namespace

TEST(ReadOverviewFiles, PointObjectsGetTheFirstTagOfTheirName) {
  const auto net = LoadNetwork(Street());
  ASSERT_NE(net, nullptr);
  const Overview overview = Read(*net, {Tag("SK", "01") + "\n" + "+;P2;=;1;.;2;-;SK;01\n" + Tag("SK", "03")});
  EXPECT_EQ(overview.pointObjectTags, (PointObjectTagMap{{11, TagText(L"SK", L"01")}, {13, TagText(L"SK", L"03")}}));
}

TEST(ReadOverviewFiles, RunsBreakAtTaggedManholesAndBetweenTrenchPaths) {
  const auto net = LoadNetwork(Street());
  ASSERT_NE(net, nullptr);
  const std::string untagged12 = Tag("SK", "01") + "\n" + Tag("SK", "03") + "\n" + Tag("SK", "04") + "\n";
  EXPECT_EQ(Read(*net, {untagged12}).runs, (std::vector<std::vector<int>>{{41, 42}, {43}}));
  EXPECT_EQ(Read(*net, {untagged12 + Tag("SK", "02")}).runs, (std::vector<std::vector<int>>{{41}, {42}, {43}}));

  const auto reversed = LoadNetwork(Street(true));
  ASSERT_NE(reversed, nullptr);
  EXPECT_EQ(Read(*reversed, {untagged12}).runs, (std::vector<std::vector<int>>{{41, 42}, {43}}));
  EXPECT_EQ(Read(*reversed, {untagged12 + Tag("SK", "02")}).runs, (std::vector<std::vector<int>>{{42}, {41}, {43}}));
}

TEST(ReadOverviewFiles, PipeLinesMatchRunsInEitherOrientationEndFirstWinning) {
  const auto net = LoadNetwork(Street());
  ASSERT_NE(net, nullptr);
  const std::string manholes = Tag("SK", "01") + "\n" + Tag("SK", "03") + "\n" + Tag("SK", "04") + "\n";
  const std::string pipes = Tag("SP", "9") + ";" + Tag("SK", "01") + ";" + Tag("SK", "03") + "\n" +  // start first
                            Tag("SP", "1") + ";" + Tag("SK", "03") + ";" + Tag("SK", "01") + "\n" +  // end first
                            Tag("SP", "2") + ";" + Tag("SK", "03") + ";" + Tag("SK", "04") + "\n";   // start first
  const Overview overview = Read(*net, {pipes, manholes});
  EXPECT_EQ(overview.pipeTags, (PipeTagMap{{41, {TagText(L"SP", L"1"), false}}, {43, {TagText(L"SP", L"2"), true}}}));
}
