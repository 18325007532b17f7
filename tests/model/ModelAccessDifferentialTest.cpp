// The fast assembly and overview code against the reference on generated
// towns: same export device set order, same section chains, same tags, same
// pipe runs.
#include <gtest/gtest.h>

#include "LoadedNetwork.h"
#include "NetworkGenerator.h"
#include "ReferenceModelAccess.h"
#include "WideText.h"

namespace {

std::vector<int> ChainIds(const SectionChainList& list) {
  // Flattened with markers so that both the sections and the chain borders compare.
  std::vector<int> ids;
  for (const SectionChains& record : list) {
    ids.push_back(-record.section->getPersistentID());
    for (const SegmentChain& chain : record.chains) {
      ids.push_back(0);
      for (const LwdDeviceSegment* segment : chain) ids.push_back(segment->getPersistentID());
    }
  }
  return ids;
}

struct Outcome {
  bool assembled = false;
  std::vector<int> exportIds;
  std::vector<int> chainIds;
  PointObjectTagMap tags;
  PipeTagMap pipeTags;
  std::vector<std::vector<int>> runs;
};

void ExpectSame(const Outcome& fast, const Outcome& reference) {
  ASSERT_EQ(fast.assembled, reference.assembled);
  ASSERT_EQ(fast.exportIds, reference.exportIds);
  ASSERT_EQ(fast.chainIds, reference.chainIds);
  ASSERT_EQ(fast.tags, reference.tags);
  ASSERT_EQ(fast.pipeTags, reference.pipeTags);
  ASSERT_EQ(fast.runs, reference.runs);
}

// Runs assembly and the overview step both ways; the reference overview step
// reads the fast assembly's results, so that a difference shows where it starts.
void Compare(LoadedNetwork& net, const std::vector<int>& selectedIds, const std::vector<std::wstring>& files,
             reference::Tally& tally, Outcome& fast, Outcome& slow) {
  LwdDeviceSet fastSet;
  SectionChainList fastChains;
  fast.assembled =
      net.controller.AssembleDeviceSet(&fastSet, fastChains, net.devices.get(), selectedIds, net.nodeLinks);
  LwdDeviceSet referenceSet;
  SectionChainList referenceChains;
  slow.assembled =
      reference::AssembleDeviceSet(net.controller.TrenchTopology(), net.controller.SectionSegmentLinks(), &referenceSet,
                                   referenceChains, net.devices.get(), selectedIds, net.nodeLinks, tally);
  fast.exportIds = LoadedNetwork::Ids(fastSet);
  slow.exportIds = LoadedNetwork::Ids(referenceSet);
  fast.chainIds = ChainIds(fastChains);
  slow.chainIds = ChainIds(referenceChains);

  PipeRuns fastRuns, referenceRuns;
  net.controller.ReadOverviewFiles(&fastSet, files, fastChains, fast.tags, fast.pipeTags, fastRuns);
  reference::ReadOverviewFiles(&fastSet, files, fastChains, slow.tags, slow.pipeTags, referenceRuns, tally);
  fast.runs = LoadedNetwork::RunIds(fastRuns);
  slow.runs = LoadedNetwork::RunIds(referenceRuns);
}

}  // namespace

TEST(ModelAccessDifferential, FastCodeMatchesTheRulesOnAGeneratedTown) {
  wsmodel::StringSink model, manholes, pipeLines;
  wsmodel::NetworkGenerator(1500, 11).Write(model, &manholes, &pipeLines);
  const auto net = LoadModelText(model.Text());
  ASSERT_NE(net, nullptr);
  const std::vector<std::wstring> files = {
      platform::FromUtf8(net->folder.Write("Kumoversikt.csv", manholes.Text()).string()),
      platform::FromUtf8(net->folder.Write("Ledningsoversikt.csv", pipeLines.Text()).string())};

  // Two of every three trench paths selected, so that the proximity rule decides.
  std::vector<int> selectedIds;
  const LwtTrenchTopologySet* topology = net->controller.TrenchTopology();
  ASSERT_NE(topology, nullptr);
  for (int i = 0; i < topology->numTopologyObjects(); ++i) {
    if (i % 3 != 0) selectedIds.push_back(topology->getTopologyObject(i)->getPersistentID());
  }
  reference::Tally tally;
  Outcome fast, slow;
  Compare(*net, selectedIds, files, tally, fast, slow);
  ExpectSame(fast, slow);
  EXPECT_GT(fast.exportIds.size(), 4000u);
  EXPECT_GT(fast.pipeTags.size(), 1000u);
  // The town reaches these turns of the rules, or the comparison proves little.
  EXPECT_GT(tally.proximityRejected, 10);
  EXPECT_GT(tally.runsExtendedAtEnd, 100);
  EXPECT_GT(tally.runsRefused, 100);
  EXPECT_GT(tally.pipeTagsStartFirst, 100);
  EXPECT_GT(tally.pipeTagsEndFirst, 100);
}
