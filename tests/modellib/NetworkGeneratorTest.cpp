#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "HostConsole.h"
#include "LoadedModel.h"
#include "NetworkGenerator.h"
#include "TempDir.h"
#include "WideText.h"

namespace {

struct Generated {
  wsmodel::GeneratorCounts counts;
  std::string model;
  std::string manholes;
  std::string pipes;
};

Generated Generate(std::int64_t pipes, std::uint64_t seed) {
  wsmodel::StringSink model;
  wsmodel::StringSink manholes;
  wsmodel::StringSink pipeLines;
  Generated generated;
  generated.counts = wsmodel::NetworkGenerator(pipes, seed).Write(model, &manholes, &pipeLines);
  generated.model = model.Text();
  generated.manholes = manholes.Text();
  generated.pipes = pipeLines.Text();
  return generated;
}

std::vector<std::vector<std::string>> Cells(const std::string& csv) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(csv);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string>& cells = lines.emplace_back();
    std::istringstream split(line);
    for (std::string cell; std::getline(split, cell, ';');) cells.push_back(cell);
  }
  return lines;
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

  int pipes = 0;
  int freePointObjects = 0;
  for (int i = 0; i < model.devices->numDevices(); ++i) {
    const LwdDevice* device = model.devices->getDevice(i);
    if (const auto* pipe = dynamic_cast<const LwdPipe*>(device)) {
      ++pipes;
      EXPECT_GE(pipe->numDeviceSegments(), 1);
      EXPECT_LE(pipe->numDeviceSegments(), 3);
    } else if (const auto* point = dynamic_cast<const LwdDevicePointObject*>(device)) {
      freePointObjects +=
          point->numDeviceSegmentStarts() + point->numDeviceSegmentEnds() + model.nodeLinks->numLinks(point) == 0;
    }
  }
  EXPECT_EQ(pipes, 3000);
  EXPECT_EQ(freePointObjects, counts.freePointObjects);
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

TEST(NetworkGenerator, SameSeedSameNetwork) {
  EXPECT_EQ(Generate(150, 9).model, Generate(150, 9).model);
  EXPECT_NE(Generate(150, 9).model, Generate(150, 10).model);
}

TEST(NetworkGenerator, ManholeTagsNameManholesAndPipeLinesTagTwoOfThem) {
  const Generated generated = Generate(300, 3);
  TempDir dir;
  const LoadedModel model = LoadModel(dir.Write("generated.xml", generated.model));
  ASSERT_TRUE(model.Loaded());
  std::set<std::wstring> manholeNames;
  for (int i = 0; i < model.devices->numDevices(); ++i) {
    if (model.devices->getDevice(i)->getClassId() == kClassManhole) {
      manholeNames.insert(model.devices->getDevice(i)->getName());
    }
  }
  const auto manholes = Cells(generated.manholes);
  ASSERT_EQ(manholes.size(), static_cast<std::size_t>(generated.counts.manholeTags) + 1);
  std::set<std::string> manholeTags;
  for (std::size_t i = 1; i < manholes.size(); ++i) {
    const std::vector<std::string>& cells = manholes[i];
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells[0] + cells[2] + cells[4] + cells[6], "+=.-");
    EXPECT_EQ(manholeNames.count(platform::FromUtf8("-" + cells[7] + cells[8])), 1u) << cells[7] << cells[8];
    manholeTags.insert(cells[7] + cells[8]);
  }
  const auto lines = Cells(generated.pipes);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(generated.counts.pipeLines) + 1);
  EXPECT_GT(generated.counts.pipeLines, 0);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string>& cells = lines[i];
    ASSERT_EQ(cells.size(), 27u);
    EXPECT_TRUE(cells[7] == "SP" || cells[7] == "OV") << cells[7];
    EXPECT_EQ(manholeTags.count(cells[16] + cells[17]), 1u);
    EXPECT_EQ(manholeTags.count(cells[25] + cells[26]), 1u);
  }
}
