#include <gtest/gtest.h>

#include "HostConsole.h"
#include "LoadedModel.h"
#include "ModelConsistency.h"
#include "NetworkGenerator.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

struct Generated {
  wsmodel::GeneratorCounts counts;
  std::string model;
};

Generated Generate(std::int64_t pipes, std::uint64_t seed) {
  wsmodel::StringSink model;
  Generated generated;
  generated.counts = wsmodel::NetworkGenerator(pipes, seed).Write(model, nullptr, nullptr);
  generated.model = model.Text();
  return generated;
}

}  // namespace

TEST(NetworkGenerator, ReadsBackWithTheCountsItReportsAndStreetsOfTwentyToFiftyEdges) {
  const Generated generated = Generate(3000, 5);
  TempDir dir;
  platform::HostCapture capture;
  const LoadedModel model = LoadModel(dir.Write("generated.xml", generated.model));
  ASSERT_TRUE(model.Loaded()) << platform::ToUtf8(capture.CommandLine());
  const wsmodel::GeneratorCounts& counts = generated.counts;
  EXPECT_EQ(model.composites, counts.composites);
  EXPECT_EQ(model.devices->numDevices(), counts.pointObjects + counts.pipes + counts.segments + counts.otherDevices);
  EXPECT_EQ(model.topology->numTopologyObjects(), counts.topologyObjects);
  EXPECT_EQ(model.sections->numSections(), counts.edges);
  EXPECT_EQ(model.connectionPoints->numConnectionPoints(), counts.trenchNodes);

  EXPECT_EQ(ModelInconsistency(model), "");
  EXPECT_GT(counts.freePointObjects, 0);
  int paths = 0;
  int unselectable = 0;
  for (int i = 0; i < model.topology->numTopologyObjects(); ++i) {
    const auto* path = dynamic_cast<const LwtTrenchPath*>(model.topology->getTopologyObject(i));
    if (path == nullptr) continue;
    ++paths;
    unselectable += path->getTrenchPathType() == 0 ? 1 : 0;
    EXPECT_GE(path->numEdges(), 20);
    EXPECT_LE(path->numEdges(), 50);
  }
  EXPECT_EQ(paths, counts.trenchPaths);
  EXPECT_EQ(unselectable, counts.unselectablePaths);
  EXPECT_GT(unselectable, 0);
  EXPECT_LT(unselectable, paths);
}
