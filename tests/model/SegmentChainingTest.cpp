#include <gtest/gtest.h>

#include "SegmentChaining.h"

namespace {

// Point objects are only compared by identity.
const int P[6] = {};
const void* Po(int i) { return &P[i]; }

using Chains = std::vector<std::vector<std::size_t>>;

}  // namespace

TEST(SegmentChaining, SegmentsJoinInRunningOrderAndTheFirstThatContinuesAChainWins) {
  const struct {
    std::vector<SegmentEnds> segments;
    Chains chains;
  } rows[] = {
      {{{Po(2), Po(3)}, {Po(1), Po(2)}, {Po(0), Po(1)}}, {{2, 1, 0}}},  // given against the running order
      {{{Po(0), Po(1)}, {Po(1), Po(2)}, {Po(2), Po(3)}}, {{0, 1, 2}}},
      {{{Po(0), Po(1)}, {Po(2), Po(3)}, {Po(4), Po(5)}}, {{0}, {1}, {2}}},
      {{{Po(0), Po(1)}, {Po(1), Po(3)}, {Po(1), Po(2)}}, {{0, 1}, {2}}},  // two go on from 1
      {{{Po(0), nullptr}, {nullptr, Po(1)}, {nullptr, nullptr}}, {{0}, {1}, {2}}},
      {{}, {}},
  };
  for (const auto& row : rows) EXPECT_EQ(ChainSegments(row.segments), row.chains);
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
