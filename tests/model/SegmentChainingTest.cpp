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
