#include <gtest/gtest.h>

#include "SegmentChaining.h"

namespace {

// Point objects are only compared by identity.
const int P[6] = {};
const void* Po(int i) { return &P[i]; }

using Chains = std::vector<std::vector<std::size_t>>;

}  // namespace

TEST(SegmentChaining, ReversedOrderIsJoinedIntoOneChainInRunningOrder) {
  // A: 0->1, B: 1->2, C: 2->3, given as C, B, A.
  const std::vector<SegmentEnds> segments = {{Po(2), Po(3)}, {Po(1), Po(2)}, {Po(0), Po(1)}};
  EXPECT_EQ(ChainSegments(segments), (Chains{{2, 1, 0}}));
}

TEST(SegmentChaining, RunningOrderGrowsOneChain) {
  const std::vector<SegmentEnds> segments = {{Po(0), Po(1)}, {Po(1), Po(2)}, {Po(2), Po(3)}};
  EXPECT_EQ(ChainSegments(segments), (Chains{{0, 1, 2}}));
}

TEST(SegmentChaining, UnconnectedSegmentsKeepTheirOrder) {
  const std::vector<SegmentEnds> segments = {{Po(0), Po(1)}, {Po(2), Po(3)}, {Po(4), Po(5)}};
  EXPECT_EQ(ChainSegments(segments), (Chains{{0}, {1}, {2}}));
}

TEST(SegmentChaining, AChainTakesTheFirstRemainingSegmentThatContinuesIt) {
  // Two segments start at 1; the first listed continues the chain, the other starts its own.
  const std::vector<SegmentEnds> segments = {{Po(0), Po(1)}, {Po(1), Po(3)}, {Po(1), Po(2)}};
  EXPECT_EQ(ChainSegments(segments), (Chains{{0, 1}, {2}}));
}

TEST(SegmentChaining, MissingPointObjectsNeverConnect) {
  const std::vector<SegmentEnds> segments = {{Po(0), nullptr}, {nullptr, Po(1)}, {nullptr, nullptr}};
  EXPECT_EQ(ChainSegments(segments), (Chains{{0}, {1}, {2}}));
  EXPECT_TRUE(ChainSegments({}).empty());
}

// Sections of a few segments and of many are chained in different ways; the
// chains must not depend on it. Segments without point objects, added after
// the others, make a section of many that holds the same chains.
TEST(SegmentChaining, FewAndManySegmentsAreChainedAlike) {
  std::uint32_t state = 12345;
  const auto random = [&state](std::uint32_t below) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % below;
  };
  for (int round = 0; round < 2000; ++round) {
    std::vector<SegmentEnds> segments(1 + random(12));
    for (SegmentEnds& segment : segments) {
      segment.start = random(8) == 0 ? nullptr : Po(static_cast<int>(random(5)));
      segment.end = random(8) == 0 ? nullptr : Po(static_cast<int>(random(5)));
    }
    Chains expected = ChainSegments(segments);
    std::vector<SegmentEnds> padded = segments;
    for (std::size_t i = segments.size(); i < 40; ++i) {
      padded.push_back({});
      expected.push_back({i});
    }
    ASSERT_EQ(ChainSegments(padded), expected) << "round " << round;
  }
}
