// The fast assembly and overview code against the reference on many seeded
// random networks: same export device set order, same section chains, same
// tags, same pipe runs.
#include <gtest/gtest.h>

#include "LoadedNetwork.h"
#include "RandomNetwork.h"
#include "ReferenceModelAccess.h"
#include "WideText.h"

namespace {

constexpr unsigned kCases = 600;

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

std::vector<std::vector<int>> RunIds(const PipeRuns& runs) {
  std::vector<std::vector<int>> ids;
  for (const auto& run : runs) {
    ids.emplace_back();
    for (const LwdDeviceSegment* segment : run) ids.back().push_back(segment->getPersistentID());
  }
  return ids;
}

}  // namespace

TEST(ModelAccessDifferential, FastCodeMatchesTheRulesOnRandomNetworks) {
  reference::Tally total;
  int selectionsWithFreePointObjects = 0;
  for (unsigned seed = 1; seed <= kCases; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const RandomCase random = MakeRandomCase(seed);
    const auto net = LoadNetwork(random.network);
    ASSERT_NE(net, nullptr);

    LwdDeviceSet fastSet;
    SectionChainList fastChains;
    const bool fastResult =
        net->controller.AssembleDeviceSet(&fastSet, fastChains, net->devices.get(), random.selectedIds, net->nodeLinks);
    LwdDeviceSet referenceSet;
    SectionChainList referenceChains;
    const bool referenceResult = reference::AssembleDeviceSet(
        net->controller.TrenchTopology(), net->controller.SectionSegmentLinks(), &referenceSet, referenceChains,
        net->devices.get(), random.selectedIds, net->nodeLinks, total);
    ASSERT_EQ(fastResult, referenceResult);
    ASSERT_EQ(LoadedNetwork::Ids(fastSet), LoadedNetwork::Ids(referenceSet));
    ASSERT_EQ(ChainIds(fastChains), ChainIds(referenceChains));
    if (fastSet.numDevices() > 0) ++selectionsWithFreePointObjects;

    std::vector<std::wstring> files;
    for (std::size_t i = 0; i < random.overviewFiles.size(); ++i) {
      const auto file = net->folder.Write("overview" + std::to_string(i) + ".csv", random.overviewFiles[i]);
      files.push_back(platform::FromUtf8(file.string()));
    }
    PointObjectTagMap fastTags, referenceTags;
    PipeTagMap fastPipeTags, referencePipeTags;
    PipeRuns fastRuns, referenceRuns;
    net->controller.ReadOverviewFiles(&fastSet, files, fastChains, fastTags, fastPipeTags, fastRuns);
    reference::ReadOverviewFiles(&fastSet, files, fastChains, referenceTags, referencePipeTags, referenceRuns, total);
    ASSERT_EQ(fastTags, referenceTags);
    ASSERT_EQ(fastPipeTags, referencePipeTags);
    ASSERT_EQ(RunIds(fastRuns), RunIds(referenceRuns));
  }
  // The networks reach every turn of the rules, or the comparison proves little.
  EXPECT_GT(selectionsWithFreePointObjects, 100);
  EXPECT_GT(total.chainsJoined, 20);
  EXPECT_GT(total.proximityTies, 20);
  EXPECT_GT(total.proximityRejected, 20);
  EXPECT_GT(total.runsExtendedInFront, 20);
  EXPECT_GT(total.runsExtendedAtEnd, 20);
  EXPECT_GT(total.runsRefused, 20);
  EXPECT_GT(total.pipeTagsStartFirst, 20);
  EXPECT_GT(total.pipeTagsEndFirst, 20);
}
